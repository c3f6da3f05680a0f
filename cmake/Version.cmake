# The program's version information, from project() and these cache variables,
# generated into one header (platform/TolmirVersion.h in the build folder). The
# application object, the command line, the Windows version resource, the Debian
# package and the AppStream release all take it from here.
set(TOLMIR_COMPANY_NAME "Varnholt" CACHE STRING "Company name in the version information")
set(TOLMIR_PRODUCT_NAME "Tolmir" CACHE STRING "Product name in the version information")
set(TOLMIR_PRODUCT_VERSION "1.0.0.0" CACHE STRING "Product version text in the version information")
set(TOLMIR_ORIGINAL_FILENAME "Tolmir.exe" CACHE STRING "Original file name in the version information")
set(TOLMIR_HOME_PAGE "https://www.varnholt.example/tolmir" CACHE STRING "The maker's home page")
configure_file(${PROJECT_SOURCE_DIR}/platform/TolmirVersion.h.in
               ${CMAKE_BINARY_DIR}/generated/platform/TolmirVersion.h @ONLY)
add_library(tolmir_version INTERFACE)
target_include_directories(tolmir_version INTERFACE ${CMAKE_BINARY_DIR}/generated)

# The release this version is, for the AppStream metadata, the manual page and
# the package's change log (the same day in two notations).
set(TOLMIR_RELEASE_DATE "2026-12-08")
set(TOLMIR_RELEASE_DATE_RFC2822 "Tue, 08 Dec 2026 12:00:00 +0000")
set(TOLMIR_APP_ID "example.varnholt.Tolmir" CACHE STRING "The desktop's and AppStream's id of the game")
set(TOLMIR_MAINTAINER "Varnholt <tolmir@varnholt.example>" CACHE STRING "Maintainer of the package")
