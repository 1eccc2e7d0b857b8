# Writes the browsers' native-messaging host manifests at install time, naming
# linkcrate-host where it is installed. Every path is under DESTDIR, which
# packaging and the install check use. Chromium reads only /etc for every user:
# a system prefix writes there, any other prefix keeps the file inside itself
# (so a trial install never touches /etc).
set(host "${CMAKE_INSTALL_PREFIX}/${LINKCRATE_BINDIR}/linkcrate-host")
set(common "  \"name\": \"io.github.linkcrate.host\",\n  \"description\": \"Linkcrate: adds bookmarks to your bookmark file\",\n  \"path\": \"${host}\",\n  \"type\": \"stdio\",\n")
if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$")
  set(etc "/etc")
else()
  set(etc "${CMAKE_INSTALL_PREFIX}/etc")
endif()
set(firefox "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/mozilla/native-messaging-hosts/io.github.linkcrate.host.json")
set(chromium "$ENV{DESTDIR}${etc}/chromium/native-messaging-hosts/io.github.linkcrate.host.json")
foreach(browser firefox chromium)
  message(STATUS "Installing: ${${browser}}")
endforeach()
file(WRITE "${firefox}" "{\n${common}  \"allowed_extensions\": [\"${LINKCRATE_GECKO_ID}\"]\n}\n")
file(WRITE "${chromium}" "{\n${common}  \"allowed_origins\": [\"chrome-extension://${LINKCRATE_CHROMIUM_ID}/\"]\n}\n")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${firefox}" "${chromium}")
