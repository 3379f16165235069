#include "accessibleinterfaces.h"

#include "announcer.h"
#include "numberbox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// A text interface over one plain string: its characters, and the whole of
// it one run of attributes, whatever the offset.
class PlainText : public QAccessibleTextInterface {
public:
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        return startOffset > endOffset ? QString() : plainText().mid(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(plainText().size()); }
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    [[nodiscard]] virtual QString plainText() const = 0;
};

// A number box as Qt's own line edit tells it, but for its attribute runs.
class AccessibleNumberBox : public QAccessibleWidget,
                            public PlainText,
                            public QAccessibleEditableTextInterface {
public:
    explicit AccessibleNumberBox(NumberBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
        addControllingSignal(u"textChanged(QString)"_s);
        addControllingSignal(u"returnPressed()"_s);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using PlainText::text;
    [[nodiscard]] QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? box()->displayText() : QAccessibleWidget::text(type);
    }

    void setText(QAccessible::Text type, const QString& text) override
    {
        if (type == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(type, text);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0)
            return;
        *startOffset = box()->selectionStart();
        *endOffset = *startOffset + int(box()->selectedText().size());
    }
    [[nodiscard]] int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }

    [[nodiscard]] int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    // An offset of -2 is the cursor's, as IAccessible2 asks for it.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(atCursor(offset), boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(atCursor(offset), boundary, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override
    {
        return QAccessibleTextInterface::textAtOffset(atCursor(offset), boundary, startOffset, endOffset);
    }

    // Measured from the cursor, wherever the box has scrolled its text to.
    [[nodiscard]] QRect characterRect(int offset) const override
    {
        const QString shown = box()->displayText();
        const QString character = shown.mid(offset, 1);
        if (character.isEmpty())
            return {};
        const QFontMetrics metrics = box()->fontMetrics();
        const int x = box()->cursorX() + metrics.horizontalAdvance(shown.left(offset))
            - metrics.horizontalAdvance(shown.left(box()->cursorPosition()));
        const int y = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().y() - metrics.height() / 2;
        return {box()->mapToGlobal(QPoint(x, y)), QSize(metrics.horizontalAdvance(character), metrics.height())};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    void deleteText(int startOffset, int endOffset) override
    {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString& text) override { box()->setText(box()->text().insert(offset, text)); }
    void replaceText(int startOffset, int endOffset, const QString& text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    [[nodiscard]] QString plainText() const override { return box()->displayText(); }
    [[nodiscard]] NumberBox* box() const { return static_cast<NumberBox*>(widget()); }
    [[nodiscard]] int atCursor(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

// A combo box without an edit field: named by its own accessible name, with
// its current item as its value and as a text that cannot be edited.
class AccessibleList : public QAccessibleWidget, public PlainText {
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using PlainText::text;
    [[nodiscard]] QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(type);
    }

    // The popup list, which names the list box as its parent, once it exists:
    // QComboBox::view() would make it, and a query must change nothing.
    [[nodiscard]] int childCount() const override { return popupList() != nullptr ? 1 : 0; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        return index == 0 && popupList() != nullptr ? QAccessible::queryAccessibleInterface(popupList()) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == popupList() && popupList() != nullptr ? 0 : -1;
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = popupList() != nullptr && popupList()->isVisible();
        return state;
    }

    [[nodiscard]] QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (popupList() != nullptr && popupList()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    [[nodiscard]] QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    // The list box as a whole: a screen reader reviewing the screen wants no finer place.
    [[nodiscard]] QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        return {list()->mapToGlobal(QPoint()), list()->size()};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}

private:
    [[nodiscard]] QString plainText() const override { return list()->currentText(); }
    [[nodiscard]] QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    [[nodiscard]] QAbstractItemView* popupList() const { return list()->findChild<QAbstractItemView*>(); }
};

// By type: Qt asks with the name of the class the object is, and the
// program's widgets are of its own classes or Qt's.
QAccessibleInterface* ownInterfaceFor(const QString& /*className*/, QObject* object)
{
    if (auto* box = qobject_cast<NumberBox*>(object))
        return new AccessibleNumberBox(box);
    if (auto* list = qobject_cast<QComboBox*>(object); list != nullptr && !list->isEditable())
        return new AccessibleList(list);
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    // A plain widget named for screen readers groups the controls in it.
    if (auto* widget = qobject_cast<QWidget*>(object);
        widget != nullptr && widget->metaObject() == &QWidget::staticMetaObject && !widget->accessibleName().isEmpty())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void useOwnAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(ownInterfaceFor);
        return true;
    }();
    (void)installed;
}
