# Installs file (beside the calling CMakeLists.txt) compressed as Debian keeps manual
# pages and changelogs: gzip -9 without a time stamp, so the package is reproducible.
find_program(GZIP gzip REQUIRED)
function(oddsmith_install_gzipped target file destination)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${GZIP} -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/${file} > ${compressed}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    add_custom_target(${target} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${destination})
endfunction()
