# Cross-compiling for 64-bit Windows with Debian's MinGW-w64, posix thread model (the one the
# Qt in ../shared/qt5-mingw is built with: its libstdc++-6.dll must match the compiler's).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZYM_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZYM_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZYM_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZYM_MINGW_TRIPLET}-windres)

# Programs (moc, rcc, lrelease) run on the build machine; libraries, headers and packages come
# from the Windows root, and packages also from CMAKE_PREFIX_PATH as given (the unpacked Qt).
set(CMAKE_FIND_ROOT_PATH /usr/${ZYM_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
