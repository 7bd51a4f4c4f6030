# Packages made by `cpack` from the install rules. On Debian and its kin: two .deb files, named
# as Debian names them (name_version-revision_architecture.deb):
#   vandrel              the command and its manual page
#   libvandrel-snmp-dev  the static library, its headers, the CMake package and the pkg-config file
# Elsewhere one archive holds everything.
set(VANDREL_PACKAGE_MAINTAINER "The Vandrel developers <vandrel@example.org>"
    CACHE STRING "The Maintainer field of the Debian packages: Name <address>")

set(CPACK_PACKAGE_NAME vandrel)
set(CPACK_PACKAGE_VENDOR "The Vandrel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

find_program(VANDREL_DPKG dpkg)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux" AND VANDREL_DPKG)
  set(CPACK_GENERATOR DEB)
  # Each package's description below starts with its own summary line; an empty package-wide
  # summary keeps CPack from putting the tool's summary in front of both.
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
elseif(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR TGZ)
endif()

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL tool development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANDREL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME vandrel)
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION net)
# dpkg-shlibdeps reads the command's shared-library needs (the C library; the C++ runtime is
# linked into the command unless VANDREL_STATIC_CXX_RUNTIME is off).
set(CPACK_DEBIAN_TOOL_PACKAGE_SHLIBDEPS ON)
set(CPACK_COMPONENT_TOOL_DESCRIPTION
    "tells a network switch over SNMPv1 to apply its pending changes
Vandrel sends one SNMPv1 SetRequest to a switch's SNMP agent, telling it to
apply its pending configuration changes, waits up to 30 seconds for the
reply and reports the outcome: a few human-readable lines, or one
time-stamped line for a log file (-l). The exit status tells scripts and
cron jobs whether the switch accepted the request.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libvandrel-snmp-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "SNMPv1 library of the Vandrel tool (static, C++20)
BER codecs and typed ASN.1 values, variable bindings, PDU bodies, the
SNMPv1 message envelope, a decoder that never reads past a received
datagram, and a UDP transport to one agent, on the C++ standard library
alone. CMake projects use it with find_package(Vandrel 1.2) and the target
Vandrel::snmp; others with pkg-config (vandrel).")

include(CPack)
