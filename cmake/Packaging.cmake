# A Debian package of the three programs and their desktop files, made by
# CPack (scripts/package.sh). Its dependencies come from the binaries
# themselves (dpkg-shlibdeps), so they name the Qt libraries they link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Torvane team")
set(CPACK_PACKAGE_CONTACT "The Torvane team <torvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "car acceleration simulator: quarter mile, top speed and 0-60")
set(CPACK_PACKAGE_DESCRIPTION
    "Torvane tells a car enthusiast how fast a car is before anyone takes it to a\n\
strip. From nine numbers (horsepower, grill and windshield area, windshield\n\
angle, weight, drag coefficient, wheel-spin time and shifts) a closed-form\n\
motion law gives the quarter-mile time and speed, the top speed, and the\n\
0-60, 0-80, 0-100 and 60-80 mph times.\n\
.\n\
The package holds the classic program (torvane), a window program that\n\
compares cars with curves and what-if sliders (torvane-garage), and a\n\
command-line batch runner with table, JSON and CSV output (torvane-run).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core, fonts-urw-base35")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
