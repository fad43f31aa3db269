# Read by cpack for each generator it runs. Debian keeps games in /usr/games;
# the stages stay in /usr/share/lumora, as far from there as from /usr/bin.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_CUSTOM_INSTALL_VARIABLES "LUMORA_GAMES_BINDIR=games")
endif()
