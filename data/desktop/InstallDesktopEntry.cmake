# Writes the player's desktop entry at install time: KESTRUNE_DESKTOP_ENTRY_TEMPLATE with the association
# launcher's installed path KESTRUNE_LAUNCHER in Exec=, to KESTRUNE_DESKTOP_ENTRY (under DESTDIR). A path
# with blanks or other characters the Desktop Entry rules reserve goes in quotes, with """, "`", "$" and "\"
# escaped inside them, then escaped as a value; "%" is doubled.
set(exec "${KESTRUNE_LAUNCHER}")
if(NOT exec MATCHES "^[A-Za-z0-9_./+-]+$")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" exec "${exec}")
    string(REPLACE "\\" "\\\\" exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")
file(READ "${KESTRUNE_DESKTOP_ENTRY_TEMPLATE}" entry)
string(REPLACE "@KESTRUNE_LAUNCHER_EXEC@" "${exec}" entry "${entry}")
message(STATUS "Installing: $ENV{DESTDIR}${KESTRUNE_DESKTOP_ENTRY}")
file(WRITE "$ENV{DESTDIR}${KESTRUNE_DESKTOP_ENTRY}" "${entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "$ENV{DESTDIR}${KESTRUNE_DESKTOP_ENTRY}")
