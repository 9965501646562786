# Puts the static files of the site beside the program that the build has
# linked into SITE: run as cmake -P with SOURCE (this folder), ICONS,
# SITE and VERSION.

# The large board's ground, as the art generator paints the app's icons.
set(TOVRIN_APP_GROUND "#008080")
set(TOVRIN_VERSION "${VERSION}")

configure_file("${SOURCE}/index.html" "${SITE}/index.html" COPYONLY)
configure_file("${SOURCE}/manifest.webmanifest.in" "${SITE}/manifest.webmanifest" @ONLY)
foreach(side 192 512)
    configure_file("${ICONS}/tovrin-mini-app-${side}.png" "${SITE}/icons/icon-${side}.png" COPYONLY)
endforeach()

set(digests "")
foreach(file index.html tovrin-mini.js tovrin-mini.wasm manifest.webmanifest
             icons/icon-192.png icons/icon-512.png)
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND digests "${digest}")
endforeach()
string(SHA256 SITE_DIGEST "${digests}")
string(SUBSTRING "${SITE_DIGEST}" 0 12 SITE_DIGEST)
configure_file("${SOURCE}/service-worker.js.in" "${SITE}/service-worker.js" @ONLY)
