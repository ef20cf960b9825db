# Where an installed program's parts go (GNU layout) and how the program finds
# them from its own bin/ folder: the shipped files in a data folder of its own,
# the companion library in a private library folder.
set(ODDSMITH_INSTALL_SHAREDIR ${CMAKE_INSTALL_DATADIR}/grd-oddsmith)
set(ODDSMITH_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/grd-oddsmith)
file(RELATIVE_PATH ODDSMITH_SHIPPED_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${ODDSMITH_INSTALL_SHAREDIR})
file(RELATIVE_PATH ODDSMITH_LIBRARY_FROM_BIN /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${ODDSMITH_INSTALL_LIBDIR})
