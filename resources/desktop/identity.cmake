# How the desktop knows the shipped brand. The display name and the company are the brand profile's displayName and
# companyWord (app/brandprofile.cpp; test_startup checks that both sides agree). The application id, the vendor's
# web domain reversed plus "vexaui", names the desktop entry, the icons and the metainfo, and is the Wayland app id;
# once published it must never change.
set(VEXAUI_COMPANY "Ebrana")
if(VEXAUI_BRAND STREQUAL "lumidor")
    set(VEXAUI_DISPLAY_NAME "Lumidor")
    set(vexaui_vendor_domain "lumidor.example")
elseif(VEXAUI_BRAND STREQUAL "kivora")
    set(VEXAUI_DISPLAY_NAME "Kivora")
    set(vexaui_vendor_domain "kivora.example")
elseif(VEXAUI_BRAND STREQUAL "dovrin")
    set(VEXAUI_DISPLAY_NAME "Dovrin")
    set(vexaui_vendor_domain "dovrin.example")
else()
    set(VEXAUI_DISPLAY_NAME "Novalume")
    set(vexaui_vendor_domain "novalume.example")
endif()

string(REPLACE "." ";" vexaui_domain_parts "${vexaui_vendor_domain}")
list(REVERSE vexaui_domain_parts)
string(JOIN "." VEXAUI_VENDOR_ID ${vexaui_domain_parts})
set(VEXAUI_APP_ID "${VEXAUI_VENDOR_ID}.vexaui")
set(VEXAUI_HOMEPAGE "https://www.${vexaui_vendor_domain}/")
set(VEXAUI_SCREENSHOT_URL "${VEXAUI_HOMEPAGE}vexaui/screenshots/" CACHE STRING
    "Where the published copies of docs/screenshots are, for the AppStream metainfo (ends with a slash)")

# XDG autostart reads /etc/xdg/autostart whatever the prefix; GNUInstallDirs would give <prefix>/etc, which no
# session reads (and which Debian forbids under /usr).
set(VEXAUI_AUTOSTART_DIR "/etc/xdg/autostart" CACHE PATH "Where the session autostart entry is installed")
set(VEXAUI_AUTOSTART_ENTRY "${VEXAUI_AUTOSTART_DIR}/${VEXAUI_APP_ID}.desktop")

# The files as configured for this build, which the tests compare with the program's own constants.
set(VEXAUI_DESKTOP_ENTRY "${PROJECT_BINARY_DIR}/resources/desktop/${VEXAUI_APP_ID}.desktop")
set(VEXAUI_METAINFO "${PROJECT_BINARY_DIR}/resources/desktop/${VEXAUI_APP_ID}.metainfo.xml")
