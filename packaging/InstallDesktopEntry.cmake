# Runs at install time: the menu entry names the installed program by its full path, so
# it starts from whatever prefix the program was installed under.
file(READ "${CMAKE_CURRENT_LIST_DIR}/quorbit.desktop" entry)
string(REPLACE "Exec=quorbit" "Exec=\"${CMAKE_INSTALL_PREFIX}/bin/quorbit\"" entry "${entry}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/quorbit.desktop")
message(STATUS "Installing: ${target}")
file(WRITE "${target}" "${entry}")
