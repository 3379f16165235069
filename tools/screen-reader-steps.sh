# Keys pressed in Vemparo, and what Orca must say meanwhile, for
# screen-reader-check.sh. The screen-reader harness sources this file once the
# window is up, with the focus in the first box: `step NAME` marks its log,
# `k KEYS` presses keys and `t TEXT` types, each then pausing for Orca to speak.
# `hear LINE` is a line Orca must say during the step before it; the harness
# passes it by, and screen-reader-check.sh reads it from here: ⏎ stands for a
# line break in what Orca says, as in the harness's log, and \t for the tab
# between a menu item and its keys. Tab order:
# Text1 Text2 Märkä Text3 (Mies|Nainen) Text4 Text5 Text6 Combo1.
hear() { :; }
# `never LINE`: a line Orca must not say, alone, during the step before it.
never() { :; }
# A result is announced half a second after the last key: wait for it.
announced() { PAUSE=2 "$@"; }

window=$(xdotool search --onlyvisible --name "Vemparo" | head -1)
# Clicks at a point of the window, in pixels from its top left, menu bar included.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 1.3; }

step "01 type a number over the 0 selected at start"; announced t "20"
hear "ilmoitus 64,1872 km/h."
step "02 explain the result"; k ctrl+F1
hear "vinkki 64,1872 km/h⏎√(206 · h) km/h, h = 20 m."
step "02b ask again with Shift+F1"; k shift+F1
hear "vinkki 64,1872 km/h⏎√(206 · h) km/h, h = 20 m."
never "Putoamiskorkeus(m): (Kappaleen nopeus iskeytyessään maahan) teksti."
step "03 copy the result"; k ctrl+c
hear "ilmoitus Kopioitu 64,1872."
never "Putoamiskorkeus(m): (Kappaleen nopeus iskeytyessään maahan) teksti."
step "04 spoil it"; announced t "x"
hear "ilmoitus Putoamiskorkeus(m): Virheellinen luku."
step "05 review the window's second line"; k KP_Up; k KP_Prior
hear "Putoamiskorkeus(m): (Kappaleen nopeus iskeytyessään maahan) 20x 64,1872 km/h (vanhentunut)"
step "06 explain the stale result"; k ctrl+F1
hear "vinkki Virheellinen luku⏎Vanhentunut tulos⏎Putoamiskorkeus(m): Virheellinen luku."
step "07 copy the stale result"; k ctrl+c
hear "ilmoitus Ei kopioitu: tulos on vanhentunut."
step "08 fix it"; announced k BackSpace
hear "ilmoitus 64,1872 km/h."
step "09 click the result"; click 229 62
step "10 copy the result from itself"; k ctrl+c
hear "ilmoitus Kopioitu 64,1872."
step "11 explain the result from itself"; k ctrl+F1
hear "vinkki 64,1872 km/h⏎√(206 · h) km/h, h = 20 m."
step "12 back into the box"; click 160 62
step "13 open the box's menu"; k shift+F10
hear "Kumoa\tCtrl+Z."
never "Vemparo v1.0 kehys."
step "14 close it"; k Escape
never "Vemparo v1.0 kehys."
step "15 back to the body list"; k shift+Tab
hear "Taivaankappale yhdistelmäruutu."
hear "Maa."
step "16 the body list's menu"; k Menu
hear "Kopioi tulos."
never "Vemparo v1.0 kehys."
step "17 close it"; k Escape
never "Vemparo v1.0 kehys."
step "18 back to the weight"; k shift+Tab
hear "Painosi(kg): (Oma painosi eri planeetoilla) teksti."
step "19 back to the fall time's height"; k shift+Tab
hear "Putoamiskorkeus(m): (Kuinka paljon aikaa kuluu kun kappale putoaa) teksti."
hear "0 valittu."
step "20 on to the weight"; k Tab
step "21 type a weight"; announced t "70"
hear "ilmoitus 70 kg."
step "22 on to the body list"; k Tab
step "23 next body"; announced k Down
hear "ilmoitus Mars, 28 kg."
step "24 first body, weighing the same"; announced k Home
hear "ilmoitus Merkurius, 28 kg."
step "25 back to the Earth"; announced k Down Down
hear "ilmoitus Maa, 70 kg."
step "26 on to the impact speed's height, holding 20"; k Tab
hear "Putoamiskorkeus(m): (Kappaleen nopeus iskeytyessään maahan) teksti."
hear "20 valittu."
never "20"
step "27 copy the box's selection"; k ctrl+c
hear "ilmoitus Kopioitu 20."
step "28 paste a number with a tab inside"; printf '2\t0' | xclip -selection clipboard; announced k ctrl+v
hear "ilmoitus Putoamiskorkeus(m): Virheellinen luku (sarkain, jota ei näy)"
step "29 paste one with a line break after it"; k ctrl+a; printf '20\n' | xclip -selection clipboard
announced k ctrl+v
hear "ilmoitus 64,1872 km/h."
step "30 on to the braking marks"; k Tab
step "31 a length that is no number"; announced t "x"
hear "ilmoitus Jälkien pituus(m): Virheellinen luku."
step "32 on to Märkä"; k Tab
step "33 tick it"; announced k space
hear "ilmoitus Jälkien pituus(m): Virheellinen luku."
step "34 copy there"; k ctrl+c
hear "ilmoitus Ei kopioitu: tulos on vanhentunut."
step "35 its menu"; k shift+F10
hear "Kopioi tulos."
step "36 which says why"; k Return
hear "ilmoitus Ei kopioitu: tulos on vanhentunut."
step "37 on to the alcohol"; k Tab
step "38 on to the options"; k Tab
hear "Sukupuoli paneeli."
# Orca writes its log in blocks and is stopped before it writes out the last
# one: more keys push what was said above into the log.
step "39 keys after the last line checked"; k shift+Tab; k Tab
