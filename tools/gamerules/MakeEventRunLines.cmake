# A set-up file of malformed "EventRun" lines drawn from fixed seeds: every
# moment name (and none) with arguments of digits, signs, commas and define
# fragments.
#   cmake -DOUT=FILE -P MakeEventRunLines.cmake
set(moments CampTurnStart CampTurnEnd PersonEvents Dance)
set(text "")
foreach(i RANGE 1 600)
    math(EXPR pick "${i} % 4")
    list(GET moments ${pick} moment)
    math(EXPR length "${i} % 23 + 1")
    string(RANDOM LENGTH ${length} ALPHABET "0123456789-+,_ DFCamp" RANDOM_SEED ${i} argument)
    string(APPEND text "EventRun,${moment},${argument}\n")
endforeach()
string(APPEND text "EventRun,\nEventRun,PersonEvents\nEventRun,CampTurnStart,,,\n")
file(WRITE ${OUT} "${text}")
