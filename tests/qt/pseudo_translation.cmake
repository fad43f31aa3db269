cmake_minimum_required(VERSION 3.25)
# Turns the catalogue lupdate made in TS into the pseudo-language the tests
# read the windows in: every text becomes itself in brackets, "[&File]", so a
# text a window shows without brackets was never marked for translation. A
# text that counts ("%n blocks") has each of its plural forms bracketed.
file(READ "${TS}" text)
string(REGEX REPLACE
  "<source>([^<]*)</source>([ \t\r\n]*)<translation type=\"unfinished\"></translation>"
  "<source>\\1</source>\\2<translation>[\\1]</translation>" text "${text}")
set(before "")
while(NOT before STREQUAL text)
  set(before "${text}")
  string(REGEX REPLACE
    "<source>([^<]*)</source>([ \t\r\n]*)<translation type=\"unfinished\">(([ \t\r\n]*<numerusform>[^<]+</numerusform>)*)([ \t\r\n]*)<numerusform></numerusform>"
    "<source>\\1</source>\\2<translation type=\"unfinished\">\\3\\5<numerusform>[\\1]</numerusform>"
    text "${text}")
endwhile()
string(REGEX REPLACE "<translation type=\"unfinished\">([ \t\r\n]*<numerusform>)"
  "<translation>\\1" text "${text}")
file(WRITE "${TS}" "${text}")
