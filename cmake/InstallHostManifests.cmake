# Writes the browsers' native-messaging host manifests at install time, naming
# linkcrate-host where it is installed (DESTDIR aside, which packaging uses).
set(host "${CMAKE_INSTALL_PREFIX}/${LINKCRATE_BINDIR}/linkcrate-host")
set(common "  \"name\": \"io.github.linkcrate.host\",\n  \"description\": \"Linkcrate: adds bookmarks to your bookmark file\",\n  \"path\": \"${host}\",\n  \"type\": \"stdio\",\n")
set(firefox "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/mozilla/native-messaging-hosts/io.github.linkcrate.host.json")
set(chromium "$ENV{DESTDIR}/etc/chromium/native-messaging-hosts/io.github.linkcrate.host.json")
message(STATUS "Installing: ${firefox}")
file(WRITE "${firefox}" "{\n${common}  \"allowed_extensions\": [\"${LINKCRATE_GECKO_ID}\"]\n}\n")
message(STATUS "Installing: ${chromium}")
file(WRITE "${chromium}" "{\n${common}  \"allowed_origins\": [\"chrome-extension://${LINKCRATE_CHROMIUM_ID}/\"]\n}\n")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${firefox}" "${chromium}")
