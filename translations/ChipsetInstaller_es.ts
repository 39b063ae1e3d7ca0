<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel Installation</source>
        <extracomment>The quit confirmation&apos;s heading.</extracomment>
        <translation>Cancelar la instalación</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Answers the quit confirmation: go on with the installation.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes, Quit</source>
        <extracomment>Answers the quit confirmation: end the installer.</extracomment>
        <translation>Sí, salir</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the %1 ?</source>
        <extracomment>The quit confirmation&apos;s question. %1 is the product, &quot;Zorva Chipset Software Installer&quot; or &quot;Zorva Software Installer&quot;.</extracomment>
        <translation>¿Seguro que desea salir del %1?</translation>
    </message>
    <message>
        <source>noButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s No button: its caption.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Doesn&apos;t terminate installer</source>
        <extracomment>Screen-reader description of the No button of the quit confirmation.</extracomment>
        <translation>Continúa con la instalación sin cerrar el instalador</translation>
    </message>
    <message>
        <source>yesButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s &quot;Yes, Quit&quot; button: its caption.</extracomment>
        <translation>Sí, salir</translation>
    </message>
    <message>
        <source>Terminates installer window</source>
        <extracomment>Screen-reader description of the &quot;Yes, Quit&quot; button of the quit confirmation.</extracomment>
        <translation>Cierra el instalador</translation>
    </message>
</context>
<context>
    <name>CarouselImage</name>
    <message>
        <source>OpenZorvaWebsite</source>
        <extracomment>Screen-reader name of the promotional image, which opens its web page during a run.</extracomment>
        <translation>Abrir el sitio web de Zorva</translation>
    </message>
    <message>
        <source>Will open the Zorva website on click</source>
        <extracomment>Screen-reader description of the promotional image.</extracomment>
        <translation>Abre el sitio web de Zorva al hacer clic</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>Version %1</source>
        <extracomment>A driver&apos;s version on its tile; %1 is the version number.</extracomment>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>Drivers</name>
    <message>
        <source>Zorva SQP Driver</source>
        <translation>Controlador SQP de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SQP Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador SQP de Zorva</translation>
    </message>
    <message>
        <source>Zorva PCI Device Driver</source>
        <translation>Controlador de dispositivo PCI de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PCI Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador PCI de Zorva</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver</source>
        <translation>Controlador GPIO de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO2 Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador GPIO2 de Zorva</translation>
    </message>
    <message>
        <source>Zorva I2C Driver</source>
        <translation>Controlador I2C de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva I2C Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador I2C de Zorva</translation>
    </message>
    <message>
        <source>NULL Driver for Zorva IOMMU Devices</source>
        <translation>Controlador NULL para dispositivos IOMMU de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall NULL Driver for Zorva IOMMU Devices</source>
        <translation>El programa de instalación instala o desinstala: Controlador NULL para dispositivos IOMMU de Zorva</translation>
    </message>
    <message>
        <source>Zorva UART Driver</source>
        <translation>Controlador UART de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva UART Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador UART de Zorva</translation>
    </message>
    <message>
        <source>Zorva PSHED Driver</source>
        <translation>Controlador PSHED de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PSHED Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador PSHED de Zorva</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver (for Carrowind)</source>
        <translation>Controlador GPIO de Zorva (para Carrowind)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO Driver (for Carrowind)</source>
        <translation>El programa de instalación instala o desinstala: Controlador GPIO de Zorva (para Carrowind)</translation>
    </message>
    <message>
        <source>Zorva Quill Power Plan</source>
        <translation>Plan de energía Zorva Quill</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quill Power Plan</source>
        <translation>El programa de instalación instala o desinstala: Plan de energía Zorva Quill</translation>
    </message>
    <message>
        <source>Zorva Quickwake Technology ACPI Driver</source>
        <translation>Controlador ACPI de Zorva Quickwake Technology</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quickwake Technology ACPI Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador ACPI de Zorva Quickwake Technology</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver</source>
        <translation>Controlador de la controladora USB3.0 de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall USB3.0 Controller Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador de la controladora USB3.0</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>Controlador de la controladora USB3.1 de Zorva (para Carrowind)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>El programa de instalación instala o desinstala: Controlador de la controladora USB3.1 de Zorva (para Carrowind)</translation>
    </message>
    <message>
        <source>Zorva SATA Controller Driver</source>
        <translation>Controlador de la controladora SATA de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SATA Controller Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador de la controladora SATA de Zorva</translation>
    </message>
    <message>
        <source>Zorva SRH KMDF I2C Driver</source>
        <translation>Controlador I2C KMDF SRH de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SRH KMDF I2C Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador I2C KMDF SRH de Zorva</translation>
    </message>
    <message>
        <source>Zorva Sensor Relay Hub Driver</source>
        <translation>Controlador de Zorva Sensor Relay Hub</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Sensor Relay Hub Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador de Zorva Sensor Relay Hub</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>Controlador de la controladora USB3.0 de Zorva (para Merrow)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>El programa de instalación instala o desinstala: Controlador de la controladora USB3.0 de Zorva (para Merrow)</translation>
    </message>
    <message>
        <source>Zorva SMBus Driver</source>
        <translation>Controlador SMBus de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMBus Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador SMBus de Zorva</translation>
    </message>
    <message>
        <source>Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>Controlador RAID SATA compatible con AHCI de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador RAID SATA compatible con AHCI de Zorva</translation>
    </message>
    <message>
        <source>Zorva RAIDWarden2 Utility</source>
        <translation>Utilidad Zorva RAIDWarden2</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva RAIDWarden2 Utility</source>
        <translation>El programa de instalación instala o desinstala: Utilidad Zorva RAIDWarden2</translation>
    </message>
    <message>
        <source>Zorva USB Filter Driver</source>
        <translation>Controlador de filtro USB de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB Filter Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador de filtro USB de Zorva</translation>
    </message>
    <message>
        <source>Zorva Consumer Infrared Driver</source>
        <translation>Controlador de infrarrojos de consumo de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Consumer Infrared Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador de infrarrojos de consumo de Zorva</translation>
    </message>
    <message>
        <source>Zorva CXP Driver</source>
        <translation>Controlador CXP de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva CXP Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador CXP de Zorva</translation>
    </message>
    <message>
        <source>Zorva SPI Driver</source>
        <translation>Controlador SPI de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SPI Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador SPI de Zorva</translation>
    </message>
    <message>
        <source>Zorva Graphics Driver</source>
        <translation>Controlador de gráficos de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Graphics Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador de gráficos de Zorva</translation>
    </message>
    <message>
        <source>Zorva VK_RAID Driver</source>
        <translation>Controlador VK_RAID de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva VK_RAID Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador VK_RAID de Zorva</translation>
    </message>
    <message>
        <source>Zorva VK_RAIDWarden2 Utility</source>
        <translation>Utilidad Zorva VK_RAIDWarden2</translation>
    </message>
    <message>
        <source>Zorva MicroPEP Driver</source>
        <translation>Controlador MicroPEP de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva MicroPEP Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador MicroPEP de Zorva</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver</source>
        <translation>Controlador de la controladora USB3.1 de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador de la controladora USB3.1 de Zorva</translation>
    </message>
    <message>
        <source>Zorva Gigabit Ethernet Driver</source>
        <translation>Controlador Gigabit Ethernet de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Gigabit Ethernet Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador Gigabit Ethernet de Zorva</translation>
    </message>
    <message>
        <source>Zorva SMF Driver</source>
        <translation>Controlador SMF de Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMF Driver</source>
        <translation>El programa de instalación instala o desinstala: Controlador SMF de Zorva</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Unable to Install Zorva Chipset Drivers.</source>
        <translation>No se pueden instalar los controladores de chipset de Zorva.</translation>
    </message>
    <message>
        <source>There are no uninstallable drivers found.</source>
        <translation>No se encontró ningún controlador que se pueda desinstalar.</translation>
    </message>
    <message>
        <source>System configuration is not compatible for RAID drivers or applications installation.</source>
        <translation>La configuración del sistema no es compatible con la instalación de controladores o aplicaciones RAID.</translation>
    </message>
    <message>
        <source>A System Update is required to complete the installation.</source>
        <translation>Se necesita una actualización del sistema para completar la instalación.</translation>
    </message>
    <message>
        <source>Zorva Chipset Drivers were not found.</source>
        <translation>No se encontraron los controladores de chipset de Zorva.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which has nothing to do on this computer.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>ErrorWindowCloseButton</source>
        <extracomment>Screen-reader name of the error panel&apos;s Close button: its caption.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Terminates Error Window</source>
        <extracomment>Screen-reader description of the error panel&apos;s Close button.</extracomment>
        <translation>Cierra el mensaje de error y el instalador</translation>
    </message>
    <message>
        <source>The system drive cannot be used: %1.</source>
        <translation>No se puede usar la unidad del sistema: %1.</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be written: %2.</source>
        <translation>No se puede escribir en la carpeta de registro %1: %2.</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be written: %2.</source>
        <translation>No se puede escribir el valor del Registro %1: %2.</translation>
    </message>
    <message>
        <source>Hardware detection could not finish: %1.</source>
        <translation>No se pudo completar la detección de hardware: %1.</translation>
    </message>
    <message>
        <source>Unable to Uninstall Zorva Chipset Drivers.</source>
        <translation>No se pueden desinstalar los controladores de chipset de Zorva.</translation>
    </message>
    <message>
        <source>Nothing has been changed on this machine.</source>
        <translation>No se ha cambiado nada en este equipo.</translation>
    </message>
</context>
<context>
    <name>Eula</name>
    <message>
        <source>Done</source>
        <extracomment>Button: leaves the licence page for the install page.</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>These license agreements are available in English only. Their English text is the legally binding version.</source>
        <extracomment>Above the licence agreements, which are shown in English in every language of the installer.</extracomment>
        <translation>Estos contratos de licencia solo están disponibles en inglés. Su texto en inglés es la versión jurídicamente vinculante.</translation>
    </message>
    <message>
        <source>EulaAccepted </source>
        <extracomment>Screen-reader name of the licence page&apos;s Done button: its caption.</extracomment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>EULA is accepted</source>
        <extracomment>Screen-reader description of the licence page&apos;s Done button.</extracomment>
        <translation>Vuelve a la selección de controladores tras leer el contrato de licencia</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of the title bar&apos;s button that minimizes the window.</extracomment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of the title bar&apos;s button that closes the window.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>ZorvaLogo</source>
        <extracomment>Screen-reader name of the maker&apos;s logo in the title bar, a link to its web site.</extracomment>
        <translation>Logotipo de Zorva</translation>
    </message>
    <message>
        <source>Opens the Zorva web site in the default browser</source>
        <extracomment>Screen-reader description of the maker&apos;s logo in the title bar.</extracomment>
        <translation>Abre el sitio web de Zorva en el explorador predeterminado</translation>
    </message>
    <message>
        <source>minimizeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Minimize button: its tooltip.</extracomment>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>shrinks installer window to taskbar</source>
        <extracomment>Screen-reader description of the title bar&apos;s Minimize button.</extracomment>
        <translation>Minimiza el instalador en la barra de tareas</translation>
    </message>
    <message>
        <source>closeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Close button: its tooltip.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>terminates installer</source>
        <extracomment>Screen-reader description of the title bar&apos;s Close button.</extracomment>
        <translation>Cierra el instalador</translation>
    </message>
</context>
<context>
    <name>ImageSettings</name>
    <message>
        <source>Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster start-up and smoother file transfers.</source>
        <translation>Brisk Storage Boost optimiza cada controladora de almacenamiento de su chipset Zorva para un inicio más rápido y transferencias de archivos más fluidas.</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Installing Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are installed.</extracomment>
        <translation>Instalando los controladores de chipset de Zorva...</translation>
    </message>
</context>
<context>
    <name>InstallFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Zorva Chipset Driver End User License Agreement</source>
        <extracomment>The name of the chipset drivers&apos; licence agreement, in the licence notice.</extracomment>
        <translation>Contrato de licencia para el usuario final de los controladores de chipset de Zorva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>CancelButton</source>
        <extracomment>Screen-reader name of the install page&apos;s Cancel button: its caption.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>shows cancel window pop-up</source>
        <extracomment>Screen-reader description of the install page&apos;s Cancel button.</extracomment>
        <translation>Pregunta si se debe cancelar la instalación</translation>
    </message>
    <message>
        <source>DisplayEula</source>
        <extracomment>Screen-reader name of the licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Contrato de licencia para el usuario final de los controladores de chipset de Zorva</translation>
    </message>
    <message>
        <source>displays Chipset Driver End User License Agreement</source>
        <extracomment>Screen-reader description of the licence notice.</extracomment>
        <translation>Muestra el contrato de licencia para el usuario final de los controladores de chipset</translation>
    </message>
    <message>
        <source>ComponentInstallation</source>
        <extracomment>Screen-reader name of the install page&apos;s Install button: its caption.</extracomment>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Setup will Install the selected components from the window</source>
        <extracomment>Screen-reader description of the install page&apos;s Install button.</extracomment>
        <translation>El programa de instalación instala los componentes seleccionados</translation>
    </message>
</context>
<context>
    <name>InstallerWindow</name>
    <message>
        <source>Zorva %1</source>
        <extracomment>The product&apos;s name, in the window&apos;s title and the quit confirmation. %1 is the title, &quot;Chipset Software Installer&quot; or &quot;Software Installer&quot;; Zorva is the maker.</extracomment>
        <translation>%1 de Zorva</translation>
    </message>
</context>
<context>
    <name>LicenceNotice</name>
    <message>
        <source>By clicking &quot;%1&quot; and installing this software, you are agreeing to all the terms and conditions stated in the %2.</source>
        <extracomment>The licence notice beside the Install button. %1 is that button&apos;s caption, %2 the name of the licence agreement, which the user clicks to read it. Use your language&apos;s quotation marks around %1.</extracomment>
        <translation>Al hacer clic en «%1» e instalar este software, acepta todos los términos y condiciones establecidos en el %2.</translation>
    </message>
</context>
<context>
    <name>LoadingPage</name>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>Instalador de software de chipset</translation>
    </message>
    <message>
        <source>Unable to allocate memory. Kindly restart your machine.</source>
        <translation>No hay memoria suficiente. Reinicie el equipo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops the installer while it checks the hardware.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking your PC&apos;s hardware for driver compatibility...</source>
        <translation>Comprobando la compatibilidad del hardware de su PC con los controladores...</translation>
    </message>
    <message>
        <source>Another instance is running. Please close already running instance.</source>
        <translation>El instalador ya se está ejecutando. Cierre primero la instancia en ejecución.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which cannot go on.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>CancelInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Cancel button: its caption.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Installation is canceled</source>
        <extracomment>Screen-reader description of the loading page&apos;s Cancel button.</extracomment>
        <translation>Cancela la instalación</translation>
    </message>
    <message>
        <source>CloseInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Close button: its caption.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Terminates Installation window</source>
        <extracomment>Screen-reader description of the loading page&apos;s Close button.</extracomment>
        <translation>Cierra el instalador</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>Zorva Chipset Software installation failed.</source>
        <translation>Error en la instalación del software de chipset de Zorva.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software installed successfully.</source>
        <translation>El software de chipset de Zorva se instaló correctamente.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have not been uninstalled.</source>
        <translation>No se desinstaló el software de chipset de Zorva seleccionado.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have been uninstalled.</source>
        <translation>Se desinstaló el software de chipset de Zorva seleccionado.</translation>
    </message>
    <message>
        <source>View Installation Log.</source>
        <translation>ver el registro de instalación</translation>
    </message>
    <message>
        <source>View Uninstallation Log.</source>
        <translation>ver el registro de desinstalación</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software uninstallation failed.</source>
        <translation>Error al desinstalar el software de chipset de Zorva seleccionado.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software have been successfully uninstalled.</source>
        <translation>El software de chipset de Zorva se desinstaló correctamente.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer (after a run, with or without success).</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restarts the computer to complete the installation.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Finish</source>
        <extracomment>Button: ends the uninstaller after a successful removal.</extracomment>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Click to %1</source>
        <extracomment>The line that opens the run&apos;s log; %1 is the link, &quot;View Installation Log.&quot; or &quot;View Uninstallation Log.&quot;, which is underlined.</extracomment>
        <translation>Haga clic para %1.</translation>
    </message>
    <message>
        <source>ViewInstallationLog</source>
        <extracomment>Screen-reader name of the link to the install log: the link&apos;s text.</extracomment>
        <translation>Ver el registro de instalación</translation>
    </message>
    <message>
        <source>ViewUninstallationLog</source>
        <extracomment>Screen-reader name of the link to the uninstall log: the link&apos;s text.</extracomment>
        <translation>Ver el registro de desinstalación</translation>
    </message>
    <message>
        <source>Will open Installation log file</source>
        <extracomment>Screen-reader description of the link to the install log.</extracomment>
        <translation>Abre el archivo de registro de la instalación</translation>
    </message>
    <message>
        <source>Will open Uninstallation log file</source>
        <extracomment>Screen-reader description of the link to the uninstall log.</extracomment>
        <translation>Abre el archivo de registro de la desinstalación</translation>
    </message>
    <message>
        <source>CloseMessageWindowFailure</source>
        <extracomment>Screen-reader name of the Close button after a failed run: its caption.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Terminate Installer Window on failure</source>
        <extracomment>Screen-reader description of the Close button after a failed run.</extracomment>
        <translation>Cierra el instalador tras el error</translation>
    </message>
    <message>
        <source>CloseMessageWindowSuccess</source>
        <extracomment>Screen-reader name of the Close button beside Restart: its caption.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Terminate Installer Window on success</source>
        <extracomment>Screen-reader description of the Close button beside Restart.</extracomment>
        <translation>Cierra el instalador sin reiniciar el equipo</translation>
    </message>
    <message>
        <source>SystemRestart</source>
        <extracomment>Screen-reader name of the Restart button: its caption.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Installation completed, Restart system</source>
        <extracomment>Screen-reader description of the Restart button.</extracomment>
        <translation>Instalación completada: reinicia el equipo</translation>
    </message>
    <message>
        <source>CloseInstallationWindow</source>
        <extracomment>Screen-reader name of the Close button after a successful install: its caption.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Finish Uninstallation</source>
        <extracomment>Screen-reader name of the Finish button after a removal: its caption.</extracomment>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Installation completed, Close Installation window</source>
        <extracomment>Screen-reader description of the Close button after a successful install.</extracomment>
        <translation>Instalación completada: cierra el instalador</translation>
    </message>
    <message>
        <source>Terminates the installer window</source>
        <extracomment>Screen-reader description of the Finish button.</extracomment>
        <translation>Cierra el instalador</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate this string to the string &quot;LTR&quot; in left-to-right languages or to &quot;RTL&quot; in right-to-left languages (such as Arabic) to get the pages mirrored.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>SmartInstallerFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Zorva Software End User License Agreement</source>
        <extracomment>The name of the licence agreement in the smart installer&apos;s licence notice.</extracomment>
        <translation>Contrato de licencia para el usuario final del software de Zorva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Button: goes on with the parent installer without installing the drivers.</extracomment>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Skip this step and do not install this component.</source>
        <extracomment>Tooltip of the Skip button.</extracomment>
        <translation>Omitir este paso y no instalar este componente.</translation>
    </message>
    <message>
        <source>DisplaySmartInstallerEula</source>
        <extracomment>Screen-reader name of the smart installer&apos;s licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Contrato de licencia para el usuario final del software de Zorva</translation>
    </message>
    <message>
        <source>displays Smart Installer End User License Agreement</source>
        <extracomment>Screen-reader description of the smart installer&apos;s licence notice.</extracomment>
        <translation>Muestra el contrato de licencia para el usuario final del software de Zorva</translation>
    </message>
    <message>
        <source>SmartInstallerCancelInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Cancel button: its caption.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Terminates Smart Installer Installation window</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Cancel button.</extracomment>
        <translation>Pregunta si se debe cancelar la instalación</translation>
    </message>
    <message>
        <source>SmartInstallerSkipInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Skip button: its caption.</extracomment>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Installation will be skipped and won&apos;t install any component</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Skip button.</extracomment>
        <translation>Omite este paso sin instalar ningún componente</translation>
    </message>
    <message>
        <source>SmartInstallerInstallButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Install button: its caption.</extracomment>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Selected Smart Installer components will be Installed</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Install button.</extracomment>
        <translation>Instala los componentes seleccionados</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the uninstaller (after asking).</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Clicking uninstall will remove Zorva Chipset Drivers from your system.</source>
        <extracomment>The notice beside the Uninstall button.</extracomment>
        <translation>Al hacer clic en «Desinstalar», se quitarán del sistema los controladores de chipset de Zorva.</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <extracomment>Button: removes the selected drivers.</extracomment>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Uninstalling Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are removed.</extracomment>
        <translation>Desinstalando los controladores de chipset de Zorva...</translation>
    </message>
    <message>
        <source>CancelUninstallation</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Cancel button: its caption.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Terminates uninstallation screen</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Cancel button.</extracomment>
        <translation>Pregunta si se debe cancelar la desinstalación</translation>
    </message>
    <message>
        <source>ComponentUninstall</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Uninstall button: its caption.</extracomment>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Selected componets will be Uninstalled</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Uninstall button.</extracomment>
        <translation>Desinstala los componentes seleccionados</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Software Installer</source>
        <extracomment>The product&apos;s title as the child of another installer, under the maker&apos;s name Zorva.</extracomment>
        <translation>Instalador de software</translation>
    </message>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>Instalador de software de chipset</translation>
    </message>
</context>
</TS>
