# What `cmake --install` puts where, in two components:
#   tool         the vandrel command and its manual page
#   development  the static SNMP library, its headers, the CMake package and the pkg-config file
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The library's headers keep their paths from the source root ("ber/...", "snmp/...", "net/...")
# under a directory of their own, so that they cannot clash with another SNMP library's headers.
set(VANDREL_INCLUDE_SUBDIR vandrel)
set(VANDREL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Vandrel)

install(TARGETS vandrel
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tool)

# The manual page, its version taken from project(). Debian wants it gzip-compressed without a
# time stamp in the header (-n), so that the same source gives the same package.
if(NOT WIN32)
  set(VANDREL_MAN_PAGE ${PROJECT_BINARY_DIR}/man/vandrel.1)
  configure_file(docs/vandrel.1.in ${VANDREL_MAN_PAGE} @ONLY)
  find_program(VANDREL_GZIP gzip)
  if(VANDREL_GZIP)
    execute_process(COMMAND ${VANDREL_GZIP} -9 -n -c ${VANDREL_MAN_PAGE}
                    OUTPUT_FILE ${VANDREL_MAN_PAGE}.gz COMMAND_ERROR_IS_FATAL ANY)
    set(VANDREL_MAN_PAGE ${VANDREL_MAN_PAGE}.gz)
  endif()
  install(FILES ${VANDREL_MAN_PAGE}
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tool)
endif()

install(TARGETS vandrel_snmp EXPORT VandrelTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${VANDREL_INCLUDE_SUBDIR})
install(DIRECTORY ber snmp net
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${VANDREL_INCLUDE_SUBDIR} COMPONENT development
        FILES_MATCHING PATTERN "*.h")

# find_package(Vandrel 1.2) gives the imported target Vandrel::snmp; any 1.x release of at least
# the version asked for is accepted.
install(EXPORT VandrelTargets NAMESPACE Vandrel:: FILE VandrelTargets.cmake
        DESTINATION ${VANDREL_CMAKE_DIR} COMPONENT development)
configure_package_config_file(cmake/VandrelConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/package/VandrelConfig.cmake
                              INSTALL_DESTINATION ${VANDREL_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/VandrelConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/VandrelConfig.cmake
              ${PROJECT_BINARY_DIR}/package/VandrelConfigVersion.cmake
        DESTINATION ${VANDREL_CMAKE_DIR} COMPONENT development)

# pkg-config: every directory is written relative to ${prefix}, so that
# `pkg-config --define-variable=prefix=...` finds a tree installed somewhere else.
foreach(kind LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${kind}}")
    set(VANDREL_PC_${kind} "${CMAKE_INSTALL_${kind}}")
  else()
    set(VANDREL_PC_${kind} "\${prefix}/${CMAKE_INSTALL_${kind}}")
  endif()
endforeach()
set(VANDREL_PC_LIBS "")
if(WIN32)
  set(VANDREL_PC_LIBS " -lws2_32")
endif()
configure_file(cmake/vandrel.pc.in ${PROJECT_BINARY_DIR}/package/vandrel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/package/vandrel.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
