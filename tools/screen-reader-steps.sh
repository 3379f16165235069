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
# A result is announced half a second after the last key: wait for it.
announced() { PAUSE=2 "$@"; }

step "01 type a number"; k ctrl+a; announced t "20"
hear "ilmoitus 64,1872 km/h."
step "02 explain the result"; k ctrl+F1
hear "vinkki 64,1872 km/h⏎√(206 · h) km/h, h = 20 m."
step "03 copy the result"; k ctrl+c
hear "ilmoitus Kopioitu 64,1872."
step "04 spoil it"; announced t "x"
hear "ilmoitus Putoamiskorkeus(m): Virheellinen luku."
step "05 explain the stale result"; k ctrl+F1
hear "vinkki Virheellinen luku⏎Vanhentunut tulos⏎Putoamiskorkeus(m): Virheellinen luku."
step "06 copy the stale result"; k ctrl+c
hear "ilmoitus Ei kopioitu: tulos on vanhentunut."
step "07 fix it"; announced k BackSpace
hear "ilmoitus 64,1872 km/h."
step "08 open the box's menu"; k shift+F10
hear "Kumoa\tCtrl+Z."
step "09 close it"; k Escape
step "10 back to the body list"; k shift+Tab
hear "Taivaankappale yhdistelmäruutu."
hear "Maa."
step "11 back to the weight"; k shift+Tab
hear "Painosi(kg): (Oma painosi eri planeetoilla) teksti."
step "12 back to the fall time's height"; k shift+Tab
hear "Putoamiskorkeus(m): (Kuinka paljon aikaa kuluu kun kappale putoaa) teksti."
hear "0 valittu."
step "13 on to the weight"; k Tab
step "14 type a weight"; announced t "70"
hear "ilmoitus 70 kg."
step "15 on to the body list"; k Tab
step "16 next body"; announced k Down
hear "ilmoitus Mars, 28 kg."
step "17 first body, weighing the same"; announced k Home
hear "ilmoitus Merkurius, 28 kg."
step "18 back to the Earth"; announced k Down Down
hear "ilmoitus Maa, 70 kg."
step "19 on to the impact speed's height, holding 20"; k Tab
hear "Putoamiskorkeus(m): (Kappaleen nopeus iskeytyessään maahan) teksti."
hear "20 valittu."
# Orca writes its log in blocks and is stopped before it writes out the last
# one: more keys push what was said above into the log.
step "20 keys after the last line checked"; k shift+Tab; k Tab
