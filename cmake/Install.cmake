# What the setup package takes from this project: the front-end alone, in Bin\, beside which the
# package puts Packages\ (the front-end starts ..\Packages\ZYM_Chipset_Drivers.exe from its own
# folder). On Windows, scripts/windows-package.ps1 installs into a staging folder and lets
# windeployqt add Qt's libraries, plugins and QML modules to Bin\. Tests and tools stay out.
install(TARGETS ChipsetDriverInstaller RUNTIME DESTINATION Bin)
