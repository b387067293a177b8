# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install` (and so by the .deb's build): installs the desktop
# entry with Exec naming the program by its absolute path under the prefix
# installed to, so that the menu entry starts the program whatever PATH
# holds (`cmake --install build --prefix ~/opt/tarvelin`). The install rule
# sets TARVELIN_DESKTOP_SOURCE, TARVELIN_BINDIR, TARVELIN_APPLICATIONS_DIR
# and TARVELIN_STAGING before including this script.
set(bindir "${TARVELIN_BINDIR}")
if(NOT IS_ABSOLUTE "${bindir}")
  set(bindir "${CMAKE_INSTALL_PREFIX}/${bindir}")
endif()
set(program "${bindir}/tarvelin")

# A path with other characters than these is quoted, as freedesktop.org's
# Desktop Entry format asks: inside the quotes ", `, $ and \ take a
# backslash, and every backslash is doubled again as the string is read; %
# is doubled.
if(NOT program MATCHES "^[A-Za-z0-9_./+,@:=-]+$")
  string(REPLACE "\\" "\\\\\\\\" program "${program}")
  foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\\\${special}" program "${program}")
  endforeach()
  string(REPLACE "%" "%%" program "${program}")
  set(program "\"${program}\"")
endif()

file(READ "${TARVELIN_DESKTOP_SOURCE}" entry)
string(REGEX REPLACE "\nExec=tarvelin\n" "\nExec=${program}\n" entry
       "${entry}")
get_filename_component(name "${TARVELIN_DESKTOP_SOURCE}" NAME)
file(WRITE "${TARVELIN_STAGING}/${name}" "${entry}")
# file(INSTALL) adds DESTDIR and lists the file in install_manifest.txt.
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${TARVELIN_APPLICATIONS_DIR}"
     TYPE FILE FILES "${TARVELIN_STAGING}/${name}")
