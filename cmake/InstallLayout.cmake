# Where an installed program's parts go (GNU layout) and how the program finds
# them from its own bin/ folder: the shipped files in a data folder of its own,
# the companion library in a private library folder. The shipped files sit one
# level down, so an install into ~/.local never mixes them with the user's own
# data in ~/.local/share/grd-oddsmith, nor overwrites those on a reinstall.
set(ODDSMITH_INSTALL_SHAREDIR ${CMAKE_INSTALL_DATADIR}/grd-oddsmith/shipped)
# The private library folder sits in the multiarch library folder where the
# platform has one: ldconfig never looks there, so the package runs no ldconfig.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(ODDSMITH_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/grd-oddsmith)
else()
    set(ODDSMITH_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/grd-oddsmith)
endif()
file(RELATIVE_PATH ODDSMITH_SHIPPED_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${ODDSMITH_INSTALL_SHAREDIR})
file(RELATIVE_PATH ODDSMITH_LIBRARY_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${ODDSMITH_INSTALL_LIBDIR})
