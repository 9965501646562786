# The cross build has no GoogleTest for Windows to find, so find_package(GTest)
# is answered by building Debian's GoogleTest sources (package googletest,
# /usr/src/googletest) with the MinGW-w64 compilers. Used through
#   -DCMAKE_PROJECT_TOP_LEVEL_INCLUDES=platform/win32/googletest_provider.cmake
# (scripts/build-windows does that); every other package is found as usual.
set(TOVRIN_GOOGLETEST_SOURCE "/usr/src/googletest"
    CACHE PATH "GoogleTest sources built for the cross build")

macro(TovrinProvideGoogleTest method packageName)
    if("${packageName}" STREQUAL "GTest")
        if(NOT TARGET GTest::gtest_main)
            set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
            set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
            add_subdirectory(${TOVRIN_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest
                             EXCLUDE_FROM_ALL SYSTEM)
            # Debian's MinGW-w64 uses the win32 thread model, whose libstdc++
            # (GCC 12) has no std::mutex; GoogleTest's one use of it gets a
            # stand-in.
            target_compile_options(gtest PUBLIC
                "SHELL:-include ${CMAKE_CURRENT_LIST_DIR}/googletest_notification.h")
        endif()
        set(GTest_FOUND TRUE)
    endif()
endmacro()

cmake_language(SET_DEPENDENCY_PROVIDER TovrinProvideGoogleTest SUPPORTED_METHODS FIND_PACKAGE)
