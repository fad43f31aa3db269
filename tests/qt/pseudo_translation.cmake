cmake_minimum_required(VERSION 3.25)
# Turns the catalogue lupdate made in TS into the pseudo-language the tests
# read the windows in: every text becomes itself in brackets, "[&File]", so a
# text a window shows without brackets was never marked for translation.
file(READ "${TS}" text)
string(REGEX REPLACE
  "<source>([^<]*)</source>([ \t\r\n]*)<translation type=\"unfinished\"></translation>"
  "<source>\\1</source>\\2<translation>[\\1]</translation>" text "${text}")
file(WRITE "${TS}" "${text}")
