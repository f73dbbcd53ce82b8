# Cross-compiles the Windows side with MinGW-w64. SUMLARK_WINDOWS_ARCH picks the
# target: i686 (the product) or x86_64 (for hosts that cannot run 32-bit code).
if(NOT SUMLARK_WINDOWS_ARCH)
  set(SUMLARK_WINDOWS_ARCH i686)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SUMLARK_WINDOWS_ARCH})
set(triple ${SUMLARK_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
# The posix thread flavour: its C++ runtime has std::mutex, which GoogleTest needs.
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
