# Writes the place names' source texts for lupdate, at build time, from the item file:
#   cmake -DITEMS=assets/items.txt -DZONES=mapdata/design/zonetable.cpp -DOUT=placenames.cpp
#         -P shell/placenames.cmake
# Each line's first field is a name, marked as C++ marks a text for translation in the context
# PlaceName, with a note for the translator that says what kind of place it is: the zone
# table's pool heading of that name (a name the table lacks gets a plain note). The file is
# read by lupdate only, never compiled.
file(READ "${ZONES}" _zones)
string(REGEX MATCHALL "\\{\"[^\"]+\",[ \t\r\n]*PoolHeading::[A-Za-z]+" _records "${_zones}")
set(_note_Countries "a country")
set(_note_Capitals "a capital")
set(_note_SeasAndOceans "a sea or an ocean")
foreach(_record IN LISTS _records)
    string(REGEX MATCH "\"([^\"]+)\",[ \t\r\n]*PoolHeading::([A-Za-z]+)" _ "${_record}")
    set("_kind_${CMAKE_MATCH_1}" "${_note_${CMAKE_MATCH_2}}")
endforeach()

file(READ "${ITEMS}" _items)
# Any line end: a carriage return, a line feed or both.
string(REGEX REPLACE "[\r\n]+" "\n" _items "${_items}")
string(REPLACE ";" "\\;" _items "${_items}")
string(REPLACE "\n" ";" _lines "${_items}")
set(_out "// Generated from ${ITEMS} by shell/placenames.cmake: read by lupdate, not compiled.\n")
foreach(_line IN LISTS _lines)
    string(REGEX REPLACE ",.*" "" _name "${_line}")
    if(_name STREQUAL "")
        continue()
    endif()
    set(_kind "${_kind_${_name}}")
    if(_kind STREQUAL "")
        set(_kind "a place on the map")
    endif()
    string(REPLACE "\\" "\\\\" _quoted "${_name}")
    string(REPLACE "\"" "\\\"" _quoted "${_quoted}")
    string(APPEND _out
           "//: ${_kind}, as your language's school atlases print its name; it must fit its\n"
           "//: label in the pool and on the map\n"
           "QT_TRANSLATE_NOOP(\"PlaceName\", \"${_quoted}\");\n")
endforeach()
file(WRITE "${OUT}" "${_out}")
