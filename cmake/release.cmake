# What a release says about itself: the maker and product that each program's version resource
# names, the Windows zip's name, and the Windows Installer product code of the driver package.
set(RELEASE_COMPANY "Zorva")
set(RELEASE_PRODUCT "Zorva Chipset Software Installer")
set(RELEASE_COPYRIGHT "Copyright © 2026 Zorva")
set(RELEASE_ZIP_NAME ChipsetInstaller-${PROJECT_VERSION}-windows-x86.zip)
set(PACKAGE_PRODUCT_CODE "{7D1E5B3A-92C4-4F6B-8E0D-3A5C9F1B2E47}")

# Gives a Windows program a version resource (VERSIONINFO) with the project's version and the
# description Explorer shows for it; elsewhere it does nothing.
function(add_version_resource target description)
    if(NOT WIN32)
        return()
    endif()
    get_target_property(file_name ${target} OUTPUT_NAME)
    if(NOT file_name)
        set(file_name ${target})
    endif()
    set(VERSION_FILE_NAME ${file_name}.exe)
    set(VERSION_INTERNAL_NAME ${file_name})
    set(VERSION_DESCRIPTION ${description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
