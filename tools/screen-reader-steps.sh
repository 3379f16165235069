# Keys pressed in Vemparo, and what Orca must say meanwhile, for
# screen-reader-check.sh. The screen-reader harness sources this file once the
# window is up, with the focus in the first box: `step NAME` marks its log,
# `k KEYS` presses keys and `t TEXT` types, each then pausing for Orca to speak.
# `hear LINE` is a line Orca must say during the step before it; the harness
# passes it by, and screen-reader-check.sh reads it from here. Tab order:
# Text1 Text2 Märkä Text3 (Mies|Nainen) Text4 Text5 Text6 Combo1.
hear() { :; }
# A result is announced half a second after the last key: wait for it.
announced() { PAUSE=2 "$@"; }

step "01 type a number"; k ctrl+a; announced t "20"
hear "ilmoitus 64,1872 km/h."
step "02 spoil it"; announced t "x"
hear "ilmoitus Putoamiskorkeus(m): Virheellinen luku."
step "03 fix it"; announced k BackSpace
hear "ilmoitus 64,1872 km/h."
step "04 back to the body list"; k shift+Tab
hear "Taivaankappale yhdistelmäruutu."
hear "Maa."
step "05 back to the weight"; k shift+Tab
hear "Painosi(kg): (Oma painosi eri planeetoilla) teksti."
step "06 back to the fall time's height"; k shift+Tab
hear "Putoamiskorkeus(m): (Kuinka paljon aikaa kuluu kun kappale putoaa) teksti."
hear "0 valittu."
step "07 on to the weight"; k Tab
step "08 type a weight"; announced t "70"
hear "ilmoitus 70 kg."
step "09 on to the body list"; k Tab
step "10 next body"; announced k Down
hear "ilmoitus Mars, 28 kg."
step "11 previous body"; announced k Up
hear "ilmoitus Maa, 70 kg."
step "12 on to the impact speed's height, holding 20"; k Tab
hear "Putoamiskorkeus(m): (Kappaleen nopeus iskeytyessään maahan) teksti."
hear "20 valittu."
# Orca writes its log in blocks and is stopped before it writes out the last
# one: more keys push what was said above into the log.
step "13 keys after the last line checked"; k shift+Tab; k Tab
