<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel Installation</source>
        <extracomment>The quit confirmation&apos;s heading.</extracomment>
        <translation>取消安装</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Answers the quit confirmation: go on with the installation.</extracomment>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes, Quit</source>
        <extracomment>Answers the quit confirmation: end the installer.</extracomment>
        <translation>是，退出</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the %1 ?</source>
        <extracomment>The quit confirmation&apos;s question. %1 is the product, &quot;Zorva Chipset Software Installer&quot; or &quot;Zorva Software Installer&quot;.</extracomment>
        <translation>确实要退出 %1 吗？</translation>
    </message>
    <message>
        <source>noButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s No button: its caption.</extracomment>
        <translation>否</translation>
    </message>
    <message>
        <source>Doesn&apos;t terminate installer</source>
        <extracomment>Screen-reader description of the No button of the quit confirmation.</extracomment>
        <translation>继续安装，不退出安装程序</translation>
    </message>
    <message>
        <source>yesButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s &quot;Yes, Quit&quot; button: its caption.</extracomment>
        <translation>是，退出</translation>
    </message>
    <message>
        <source>Terminates installer window</source>
        <extracomment>Screen-reader description of the &quot;Yes, Quit&quot; button of the quit confirmation.</extracomment>
        <translation>退出安装程序</translation>
    </message>
</context>
<context>
    <name>CarouselImage</name>
    <message>
        <source>OpenZorvaWebsite</source>
        <extracomment>Screen-reader name of the promotional image, which opens its web page during a run.</extracomment>
        <translation>打开 Zorva 网站</translation>
    </message>
    <message>
        <source>Will open the Zorva website on click</source>
        <extracomment>Screen-reader description of the promotional image.</extracomment>
        <translation>单击时打开 Zorva 网站</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>Version %1</source>
        <extracomment>A driver&apos;s version on its tile; %1 is the version number.</extracomment>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>Drivers</name>
    <message>
        <source>Zorva SQP Driver</source>
        <translation>Zorva SQP 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SQP Driver</source>
        <translation>安装程序将安装或卸载：Zorva SQP 驱动程序</translation>
    </message>
    <message>
        <source>Zorva PCI Device Driver</source>
        <translation>Zorva PCI 设备驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PCI Driver</source>
        <translation>安装程序将安装或卸载：Zorva PCI 驱动程序</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver</source>
        <translation>Zorva GPIO 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO2 Driver</source>
        <translation>安装程序将安装或卸载：Zorva GPIO2 驱动程序</translation>
    </message>
    <message>
        <source>Zorva I2C Driver</source>
        <translation>Zorva I2C 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva I2C Driver</source>
        <translation>安装程序将安装或卸载：Zorva I2C 驱动程序</translation>
    </message>
    <message>
        <source>NULL Driver for Zorva IOMMU Devices</source>
        <translation>Zorva IOMMU 设备的 NULL 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall NULL Driver for Zorva IOMMU Devices</source>
        <translation>安装程序将安装或卸载：Zorva IOMMU 设备的 NULL 驱动程序</translation>
    </message>
    <message>
        <source>Zorva UART Driver</source>
        <translation>Zorva UART 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva UART Driver</source>
        <translation>安装程序将安装或卸载：Zorva UART 驱动程序</translation>
    </message>
    <message>
        <source>Zorva PSHED Driver</source>
        <translation>Zorva PSHED 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PSHED Driver</source>
        <translation>安装程序将安装或卸载：Zorva PSHED 驱动程序</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver (for Carrowind)</source>
        <translation>Zorva GPIO 驱动程序（适用于 Carrowind）</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO Driver (for Carrowind)</source>
        <translation>安装程序将安装或卸载：Zorva GPIO 驱动程序（适用于 Carrowind）</translation>
    </message>
    <message>
        <source>Zorva Quill Power Plan</source>
        <translation>Zorva Quill 电源计划</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quill Power Plan</source>
        <translation>安装程序将安装或卸载：Zorva Quill 电源计划</translation>
    </message>
    <message>
        <source>Zorva Quickwake Technology ACPI Driver</source>
        <translation>Zorva Quickwake Technology ACPI 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quickwake Technology ACPI Driver</source>
        <translation>安装程序将安装或卸载：Zorva Quickwake Technology ACPI 驱动程序</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver</source>
        <translation>Zorva USB3.0 控制器驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall USB3.0 Controller Driver</source>
        <translation>安装程序将安装或卸载：USB3.0 控制器驱动程序</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>Zorva USB3.1 控制器驱动程序（适用于 Carrowind）</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>安装程序将安装或卸载：Zorva USB3.1 控制器驱动程序（适用于 Carrowind）</translation>
    </message>
    <message>
        <source>Zorva SATA Controller Driver</source>
        <translation>Zorva SATA 控制器驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SATA Controller Driver</source>
        <translation>安装程序将安装或卸载：Zorva SATA 控制器驱动程序</translation>
    </message>
    <message>
        <source>Zorva SRH KMDF I2C Driver</source>
        <translation>Zorva SRH KMDF I2C 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SRH KMDF I2C Driver</source>
        <translation>安装程序将安装或卸载：Zorva SRH KMDF I2C 驱动程序</translation>
    </message>
    <message>
        <source>Zorva Sensor Relay Hub Driver</source>
        <translation>Zorva Sensor Relay Hub 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Sensor Relay Hub Driver</source>
        <translation>安装程序将安装或卸载：Zorva Sensor Relay Hub 驱动程序</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>Zorva USB3.0 控制器驱动程序（适用于 Merrow）</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>安装程序将安装或卸载：Zorva USB3.0 控制器驱动程序（适用于 Merrow）</translation>
    </message>
    <message>
        <source>Zorva SMBus Driver</source>
        <translation>Zorva SMBus 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMBus Driver</source>
        <translation>安装程序将安装或卸载：Zorva SMBus 驱动程序</translation>
    </message>
    <message>
        <source>Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>Zorva AHCI 兼容 SATA RAID 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>安装程序将安装或卸载：Zorva AHCI 兼容 SATA RAID 驱动程序</translation>
    </message>
    <message>
        <source>Zorva RAIDWarden2 Utility</source>
        <translation>Zorva RAIDWarden2 实用工具</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva RAIDWarden2 Utility</source>
        <translation>安装程序将安装或卸载：Zorva RAIDWarden2 实用工具</translation>
    </message>
    <message>
        <source>Zorva USB Filter Driver</source>
        <translation>Zorva USB 筛选器驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB Filter Driver</source>
        <translation>安装程序将安装或卸载：Zorva USB 筛选器驱动程序</translation>
    </message>
    <message>
        <source>Zorva Consumer Infrared Driver</source>
        <translation>Zorva 消费类红外驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Consumer Infrared Driver</source>
        <translation>安装程序将安装或卸载：Zorva 消费类红外驱动程序</translation>
    </message>
    <message>
        <source>Zorva CXP Driver</source>
        <translation>Zorva CXP 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva CXP Driver</source>
        <translation>安装程序将安装或卸载：Zorva CXP 驱动程序</translation>
    </message>
    <message>
        <source>Zorva SPI Driver</source>
        <translation>Zorva SPI 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SPI Driver</source>
        <translation>安装程序将安装或卸载：Zorva SPI 驱动程序</translation>
    </message>
    <message>
        <source>Zorva Graphics Driver</source>
        <translation>Zorva 图形驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Graphics Driver</source>
        <translation>安装程序将安装或卸载：Zorva 图形驱动程序</translation>
    </message>
    <message>
        <source>Zorva VK_RAID Driver</source>
        <translation>Zorva VK_RAID 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva VK_RAID Driver</source>
        <translation>安装程序将安装或卸载：Zorva VK_RAID 驱动程序</translation>
    </message>
    <message>
        <source>Zorva VK_RAIDWarden2 Utility</source>
        <translation>Zorva VK_RAIDWarden2 实用工具</translation>
    </message>
    <message>
        <source>Zorva MicroPEP Driver</source>
        <translation>Zorva MicroPEP 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva MicroPEP Driver</source>
        <translation>安装程序将安装或卸载：Zorva MicroPEP 驱动程序</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver</source>
        <translation>Zorva USB3.1 控制器驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver</source>
        <translation>安装程序将安装或卸载：Zorva USB3.1 控制器驱动程序</translation>
    </message>
    <message>
        <source>Zorva Gigabit Ethernet Driver</source>
        <translation>Zorva 千兆以太网驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Gigabit Ethernet Driver</source>
        <translation>安装程序将安装或卸载：Zorva 千兆以太网驱动程序</translation>
    </message>
    <message>
        <source>Zorva SMF Driver</source>
        <translation>Zorva SMF 驱动程序</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMF Driver</source>
        <translation>安装程序将安装或卸载：Zorva SMF 驱动程序</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Unable to Install Zorva Chipset Drivers.</source>
        <translation>无法安装 Zorva 芯片组驱动程序。</translation>
    </message>
    <message>
        <source>There are no uninstallable drivers found.</source>
        <translation>未找到可卸载的驱动程序。</translation>
    </message>
    <message>
        <source>System configuration is not compatible for RAID drivers or applications installation.</source>
        <translation>系统配置与 RAID 驱动程序或应用程序的安装不兼容。</translation>
    </message>
    <message>
        <source>A System Update is required to complete the installation.</source>
        <translation>需要更新系统才能完成安装。</translation>
    </message>
    <message>
        <source>Zorva Chipset Drivers were not found.</source>
        <translation>未找到 Zorva 芯片组驱动程序。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which has nothing to do on this computer.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>ErrorWindowCloseButton</source>
        <extracomment>Screen-reader name of the error panel&apos;s Close button: its caption.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Terminates Error Window</source>
        <extracomment>Screen-reader description of the error panel&apos;s Close button.</extracomment>
        <translation>关闭错误消息并退出安装程序</translation>
    </message>
    <message>
        <source>The system drive cannot be used: %1.</source>
        <translation>无法使用系统驱动器: %1。</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be written: %2.</source>
        <translation>无法写入日志文件夹 %1: %2。</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be written: %2.</source>
        <translation>无法写入注册表值 %1: %2。</translation>
    </message>
    <message>
        <source>Hardware detection could not finish: %1.</source>
        <translation>无法完成硬件检测: %1。</translation>
    </message>
    <message>
        <source>Unable to Uninstall Zorva Chipset Drivers.</source>
        <translation>无法卸载 Zorva 芯片组驱动程序。</translation>
    </message>
    <message>
        <source>Nothing has been changed on this machine.</source>
        <translation>此计算机上未做任何更改。</translation>
    </message>
</context>
<context>
    <name>Eula</name>
    <message>
        <source>Done</source>
        <extracomment>Button: leaves the licence page for the install page.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>These license agreements are available in English only. Their English text is the legally binding version.</source>
        <extracomment>Above the licence agreements, which are shown in English in every language of the installer.</extracomment>
        <translation>这些许可协议仅提供英文版本，具有法律约束力的是其英文文本。</translation>
    </message>
    <message>
        <source>EulaAccepted </source>
        <extracomment>Screen-reader name of the licence page&apos;s Done button: its caption.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>EULA is accepted</source>
        <extracomment>Screen-reader description of the licence page&apos;s Done button.</extracomment>
        <translation>阅读许可协议后返回驱动程序选择页面</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of the title bar&apos;s button that minimizes the window.</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of the title bar&apos;s button that closes the window.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>ZorvaLogo</source>
        <extracomment>Screen-reader name of the maker&apos;s logo in the title bar, a link to its web site.</extracomment>
        <translation>Zorva 徽标</translation>
    </message>
    <message>
        <source>Opens the Zorva web site in the default browser</source>
        <extracomment>Screen-reader description of the maker&apos;s logo in the title bar.</extracomment>
        <translation>在默认浏览器中打开 Zorva 网站</translation>
    </message>
    <message>
        <source>minimizeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Minimize button: its tooltip.</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>shrinks installer window to taskbar</source>
        <extracomment>Screen-reader description of the title bar&apos;s Minimize button.</extracomment>
        <translation>将安装程序最小化到任务栏</translation>
    </message>
    <message>
        <source>closeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Close button: its tooltip.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>terminates installer</source>
        <extracomment>Screen-reader description of the title bar&apos;s Close button.</extracomment>
        <translation>退出安装程序</translation>
    </message>
</context>
<context>
    <name>ImageSettings</name>
    <message>
        <source>Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster start-up and smoother file transfers.</source>
        <translation>Brisk Storage Boost 会优化 Zorva 芯片组上的每个存储控制器，让启动更快、文件传输更流畅。</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Installing Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are installed.</extracomment>
        <translation>正在安装 Zorva 芯片组驱动程序...</translation>
    </message>
</context>
<context>
    <name>InstallFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>安装</translation>
    </message>
    <message>
        <source>Zorva Chipset Driver End User License Agreement</source>
        <extracomment>The name of the chipset drivers&apos; licence agreement, in the licence notice.</extracomment>
        <translation>Zorva 芯片组驱动程序最终用户许可协议</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>CancelButton</source>
        <extracomment>Screen-reader name of the install page&apos;s Cancel button: its caption.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>shows cancel window pop-up</source>
        <extracomment>Screen-reader description of the install page&apos;s Cancel button.</extracomment>
        <translation>询问是否取消安装</translation>
    </message>
    <message>
        <source>DisplayEula</source>
        <extracomment>Screen-reader name of the licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Zorva 芯片组驱动程序最终用户许可协议</translation>
    </message>
    <message>
        <source>displays Chipset Driver End User License Agreement</source>
        <extracomment>Screen-reader description of the licence notice.</extracomment>
        <translation>显示芯片组驱动程序最终用户许可协议</translation>
    </message>
    <message>
        <source>ComponentInstallation</source>
        <extracomment>Screen-reader name of the install page&apos;s Install button: its caption.</extracomment>
        <translation>安装</translation>
    </message>
    <message>
        <source>Setup will Install the selected components from the window</source>
        <extracomment>Screen-reader description of the install page&apos;s Install button.</extracomment>
        <translation>安装程序将安装所选组件</translation>
    </message>
</context>
<context>
    <name>InstallerWindow</name>
    <message>
        <source>Zorva %1</source>
        <extracomment>The product&apos;s name, in the window&apos;s title and the quit confirmation. %1 is the title, &quot;Chipset Software Installer&quot; or &quot;Software Installer&quot;; Zorva is the maker.</extracomment>
        <translation>Zorva %1</translation>
    </message>
</context>
<context>
    <name>LicenceNotice</name>
    <message>
        <source>By clicking &quot;%1&quot; and installing this software, you are agreeing to all the terms and conditions stated in the %2.</source>
        <extracomment>The licence notice beside the Install button. %1 is that button&apos;s caption, %2 the name of the licence agreement, which the user clicks to read it. Use your language&apos;s quotation marks around %1.</extracomment>
        <translation>单击“%1”并安装本软件，即表示您同意《%2》中规定的所有条款和条件。</translation>
    </message>
</context>
<context>
    <name>LoadingPage</name>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>芯片组软件安装程序</translation>
    </message>
    <message>
        <source>Unable to allocate memory. Kindly restart your machine.</source>
        <translation>内存不足。请重新启动计算机。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops the installer while it checks the hardware.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Checking your PC&apos;s hardware for driver compatibility...</source>
        <translation>正在检查电脑硬件与驱动程序的兼容性...</translation>
    </message>
    <message>
        <source>Another instance is running. Please close already running instance.</source>
        <translation>安装程序已在运行。请先关闭正在运行的实例。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which cannot go on.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>CancelInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Cancel button: its caption.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Installation is canceled</source>
        <extracomment>Screen-reader description of the loading page&apos;s Cancel button.</extracomment>
        <translation>取消安装</translation>
    </message>
    <message>
        <source>CloseInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Close button: its caption.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Terminates Installation window</source>
        <extracomment>Screen-reader description of the loading page&apos;s Close button.</extracomment>
        <translation>退出安装程序</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>Zorva Chipset Software installation failed.</source>
        <translation>Zorva 芯片组软件安装失败。</translation>
    </message>
    <message>
        <source>Zorva Chipset Software installed successfully.</source>
        <translation>已成功安装 Zorva 芯片组软件。</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have not been uninstalled.</source>
        <translation>未能卸载所选的 Zorva 芯片组软件。</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have been uninstalled.</source>
        <translation>已卸载所选的 Zorva 芯片组软件。</translation>
    </message>
    <message>
        <source>View Installation Log.</source>
        <translation>查看安装日志</translation>
    </message>
    <message>
        <source>View Uninstallation Log.</source>
        <translation>查看卸载日志</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software uninstallation failed.</source>
        <translation>所选 Zorva 芯片组软件卸载失败。</translation>
    </message>
    <message>
        <source>Zorva Chipset Software have been successfully uninstalled.</source>
        <translation>已成功卸载 Zorva 芯片组软件。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer (after a run, with or without success).</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restarts the computer to complete the installation.</extracomment>
        <translation>重新启动</translation>
    </message>
    <message>
        <source>Finish</source>
        <extracomment>Button: ends the uninstaller after a successful removal.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Click to %1</source>
        <extracomment>The line that opens the run&apos;s log; %1 is the link, &quot;View Installation Log.&quot; or &quot;View Uninstallation Log.&quot;, which is underlined.</extracomment>
        <translation>单击此处%1。</translation>
    </message>
    <message>
        <source>ViewInstallationLog</source>
        <extracomment>Screen-reader name of the link to the install log: the link&apos;s text.</extracomment>
        <translation>查看安装日志</translation>
    </message>
    <message>
        <source>ViewUninstallationLog</source>
        <extracomment>Screen-reader name of the link to the uninstall log: the link&apos;s text.</extracomment>
        <translation>查看卸载日志</translation>
    </message>
    <message>
        <source>Will open Installation log file</source>
        <extracomment>Screen-reader description of the link to the install log.</extracomment>
        <translation>打开安装日志文件</translation>
    </message>
    <message>
        <source>Will open Uninstallation log file</source>
        <extracomment>Screen-reader description of the link to the uninstall log.</extracomment>
        <translation>打开卸载日志文件</translation>
    </message>
    <message>
        <source>CloseMessageWindowFailure</source>
        <extracomment>Screen-reader name of the Close button after a failed run: its caption.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Terminate Installer Window on failure</source>
        <extracomment>Screen-reader description of the Close button after a failed run.</extracomment>
        <translation>安装失败后退出安装程序</translation>
    </message>
    <message>
        <source>CloseMessageWindowSuccess</source>
        <extracomment>Screen-reader name of the Close button beside Restart: its caption.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Terminate Installer Window on success</source>
        <extracomment>Screen-reader description of the Close button beside Restart.</extracomment>
        <translation>退出安装程序，不重新启动计算机</translation>
    </message>
    <message>
        <source>SystemRestart</source>
        <extracomment>Screen-reader name of the Restart button: its caption.</extracomment>
        <translation>重新启动</translation>
    </message>
    <message>
        <source>Installation completed, Restart system</source>
        <extracomment>Screen-reader description of the Restart button.</extracomment>
        <translation>安装已完成：重新启动计算机</translation>
    </message>
    <message>
        <source>CloseInstallationWindow</source>
        <extracomment>Screen-reader name of the Close button after a successful install: its caption.</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Finish Uninstallation</source>
        <extracomment>Screen-reader name of the Finish button after a removal: its caption.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>Installation completed, Close Installation window</source>
        <extracomment>Screen-reader description of the Close button after a successful install.</extracomment>
        <translation>安装已完成：退出安装程序</translation>
    </message>
    <message>
        <source>Terminates the installer window</source>
        <extracomment>Screen-reader description of the Finish button.</extracomment>
        <translation>退出安装程序</translation>
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
        <translation>安装</translation>
    </message>
    <message>
        <source>Zorva Software End User License Agreement</source>
        <extracomment>The name of the licence agreement in the smart installer&apos;s licence notice.</extracomment>
        <translation>Zorva 软件最终用户许可协议</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Button: goes on with the parent installer without installing the drivers.</extracomment>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Skip this step and do not install this component.</source>
        <extracomment>Tooltip of the Skip button.</extracomment>
        <translation>跳过此步骤，不安装此组件。</translation>
    </message>
    <message>
        <source>DisplaySmartInstallerEula</source>
        <extracomment>Screen-reader name of the smart installer&apos;s licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Zorva 软件最终用户许可协议</translation>
    </message>
    <message>
        <source>displays Smart Installer End User License Agreement</source>
        <extracomment>Screen-reader description of the smart installer&apos;s licence notice.</extracomment>
        <translation>显示 Zorva 软件最终用户许可协议</translation>
    </message>
    <message>
        <source>SmartInstallerCancelInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Cancel button: its caption.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Terminates Smart Installer Installation window</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Cancel button.</extracomment>
        <translation>询问是否取消安装</translation>
    </message>
    <message>
        <source>SmartInstallerSkipInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Skip button: its caption.</extracomment>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Installation will be skipped and won&apos;t install any component</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Skip button.</extracomment>
        <translation>跳过此步骤，不安装任何组件</translation>
    </message>
    <message>
        <source>SmartInstallerInstallButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Install button: its caption.</extracomment>
        <translation>安装</translation>
    </message>
    <message>
        <source>Selected Smart Installer components will be Installed</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Install button.</extracomment>
        <translation>安装所选组件</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the uninstaller (after asking).</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Clicking uninstall will remove Zorva Chipset Drivers from your system.</source>
        <extracomment>The notice beside the Uninstall button.</extracomment>
        <translation>单击“卸载”将从系统中删除 Zorva 芯片组驱动程序。</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <extracomment>Button: removes the selected drivers.</extracomment>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Uninstalling Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are removed.</extracomment>
        <translation>正在卸载 Zorva 芯片组驱动程序...</translation>
    </message>
    <message>
        <source>CancelUninstallation</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Cancel button: its caption.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Terminates uninstallation screen</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Cancel button.</extracomment>
        <translation>询问是否取消卸载</translation>
    </message>
    <message>
        <source>ComponentUninstall</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Uninstall button: its caption.</extracomment>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Selected componets will be Uninstalled</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Uninstall button.</extracomment>
        <translation>卸载所选组件</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Software Installer</source>
        <extracomment>The product&apos;s title as the child of another installer, under the maker&apos;s name Zorva.</extracomment>
        <translation>软件安装程序</translation>
    </message>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>芯片组软件安装程序</translation>
    </message>
</context>
</TS>
