<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel Installation</source>
        <extracomment>The quit confirmation&apos;s heading.</extracomment>
        <translation>Yüklemeyi İptal Et</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Answers the quit confirmation: go on with the installation.</extracomment>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Yes, Quit</source>
        <extracomment>Answers the quit confirmation: end the installer.</extracomment>
        <translation>Evet, çık</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the %1 ?</source>
        <extracomment>The quit confirmation&apos;s question. %1 is the product, &quot;Zorva Chipset Software Installer&quot; or &quot;Zorva Software Installer&quot;.</extracomment>
        <translation>%1 uygulamasından çıkmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>noButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s No button: its caption.</extracomment>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Doesn&apos;t terminate installer</source>
        <extracomment>Screen-reader description of the No button of the quit confirmation.</extracomment>
        <translation>Yükleyiciyi kapatmadan yüklemeye devam eder</translation>
    </message>
    <message>
        <source>yesButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s &quot;Yes, Quit&quot; button: its caption.</extracomment>
        <translation>Evet, çık</translation>
    </message>
    <message>
        <source>Terminates installer window</source>
        <extracomment>Screen-reader description of the &quot;Yes, Quit&quot; button of the quit confirmation.</extracomment>
        <translation>Yükleyiciyi kapatır</translation>
    </message>
</context>
<context>
    <name>CarouselImage</name>
    <message>
        <source>OpenZorvaWebsite</source>
        <extracomment>Screen-reader name of the promotional image, which opens its web page during a run.</extracomment>
        <translation>Zorva web sitesini aç</translation>
    </message>
    <message>
        <source>Will open the Zorva website on click</source>
        <extracomment>Screen-reader description of the promotional image.</extracomment>
        <translation>Tıklandığında Zorva web sitesini açar</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>Version %1</source>
        <extracomment>A driver&apos;s version on its tile; %1 is the version number.</extracomment>
        <translation>Sürüm %1</translation>
    </message>
</context>
<context>
    <name>Drivers</name>
    <message>
        <source>Zorva SQP Driver</source>
        <translation>Zorva SQP Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SQP Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva SQP Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva PCI Device Driver</source>
        <translation>Zorva PCI Aygıt Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PCI Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva PCI Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver</source>
        <translation>Zorva GPIO Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO2 Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva GPIO2 Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva I2C Driver</source>
        <translation>Zorva I2C Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva I2C Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva I2C Sürücüsü</translation>
    </message>
    <message>
        <source>NULL Driver for Zorva IOMMU Devices</source>
        <translation>Zorva IOMMU Aygıtları için NULL Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall NULL Driver for Zorva IOMMU Devices</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva IOMMU Aygıtları için NULL Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva UART Driver</source>
        <translation>Zorva UART Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva UART Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva UART Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva PSHED Driver</source>
        <translation>Zorva PSHED Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PSHED Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva PSHED Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver (for Carrowind)</source>
        <translation>Zorva GPIO Sürücüsü (Carrowind için)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO Driver (for Carrowind)</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva GPIO Sürücüsü (Carrowind için)</translation>
    </message>
    <message>
        <source>Zorva Quill Power Plan</source>
        <translation>Zorva Quill Güç Planı</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quill Power Plan</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva Quill Güç Planı</translation>
    </message>
    <message>
        <source>Zorva Quickwake Technology ACPI Driver</source>
        <translation>Zorva Quickwake Technology ACPI Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quickwake Technology ACPI Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva Quickwake Technology ACPI Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver</source>
        <translation>Zorva USB3.0 Denetleyici Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall USB3.0 Controller Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: USB3.0 Denetleyici Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>Zorva USB3.1 Denetleyici Sürücüsü (Carrowind için)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva USB3.1 Denetleyici Sürücüsü (Carrowind için)</translation>
    </message>
    <message>
        <source>Zorva SATA Controller Driver</source>
        <translation>Zorva SATA Denetleyici Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SATA Controller Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva SATA Denetleyici Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva SRH KMDF I2C Driver</source>
        <translation>Zorva SRH KMDF I2C Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SRH KMDF I2C Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva SRH KMDF I2C Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva Sensor Relay Hub Driver</source>
        <translation>Zorva Sensor Relay Hub Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Sensor Relay Hub Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva Sensor Relay Hub Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>Zorva USB3.0 Denetleyici Sürücüsü (Merrow için)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva USB3.0 Denetleyici Sürücüsü (Merrow için)</translation>
    </message>
    <message>
        <source>Zorva SMBus Driver</source>
        <translation>Zorva SMBus Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMBus Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva SMBus Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>Zorva AHCI Uyumlu SATA RAID Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva AHCI Uyumlu SATA RAID Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva RAIDWarden2 Utility</source>
        <translation>Zorva RAIDWarden2 Yardımcı Programı</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva RAIDWarden2 Utility</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva RAIDWarden2 Yardımcı Programı</translation>
    </message>
    <message>
        <source>Zorva USB Filter Driver</source>
        <translation>Zorva USB Filtre Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB Filter Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva USB Filtre Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva Consumer Infrared Driver</source>
        <translation>Zorva Tüketici Kızılötesi Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Consumer Infrared Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva Tüketici Kızılötesi Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva CXP Driver</source>
        <translation>Zorva CXP Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva CXP Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva CXP Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva SPI Driver</source>
        <translation>Zorva SPI Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SPI Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva SPI Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva Graphics Driver</source>
        <translation>Zorva Grafik Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Graphics Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva Grafik Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva VK_RAID Driver</source>
        <translation>Zorva VK_RAID Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva VK_RAID Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva VK_RAID Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva VK_RAIDWarden2 Utility</source>
        <translation>Zorva VK_RAIDWarden2 Yardımcı Programı</translation>
    </message>
    <message>
        <source>Zorva MicroPEP Driver</source>
        <translation>Zorva MicroPEP Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva MicroPEP Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva MicroPEP Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver</source>
        <translation>Zorva USB3.1 Denetleyici Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva USB3.1 Denetleyici Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva Gigabit Ethernet Driver</source>
        <translation>Zorva Gigabit Ethernet Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Gigabit Ethernet Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva Gigabit Ethernet Sürücüsü</translation>
    </message>
    <message>
        <source>Zorva SMF Driver</source>
        <translation>Zorva SMF Sürücüsü</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMF Driver</source>
        <translation>Kurulum şunu yükler veya kaldırır: Zorva SMF Sürücüsü</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Unable to Install Zorva Chipset Drivers.</source>
        <translation>Zorva yonga kümesi sürücüleri yüklenemiyor.</translation>
    </message>
    <message>
        <source>There are no uninstallable drivers found.</source>
        <translation>Kaldırılabilecek sürücü bulunamadı.</translation>
    </message>
    <message>
        <source>System configuration is not compatible for RAID drivers or applications installation.</source>
        <translation>Sistem yapılandırması RAID sürücülerinin veya uygulamalarının yüklenmesiyle uyumlu değil.</translation>
    </message>
    <message>
        <source>A System Update is required to complete the installation.</source>
        <translation>Yüklemeyi tamamlamak için bir sistem güncelleştirmesi gerekiyor.</translation>
    </message>
    <message>
        <source>Zorva Chipset Drivers were not found.</source>
        <translation>Zorva yonga kümesi sürücüleri bulunamadı.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which has nothing to do on this computer.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>ErrorWindowCloseButton</source>
        <extracomment>Screen-reader name of the error panel&apos;s Close button: its caption.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Terminates Error Window</source>
        <extracomment>Screen-reader description of the error panel&apos;s Close button.</extracomment>
        <translation>Hata iletisini ve yükleyiciyi kapatır</translation>
    </message>
    <message>
        <source>The system drive cannot be used: %1.</source>
        <translation>Sistem sürücüsü kullanılamıyor: %1.</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be written: %2.</source>
        <translation>%1 günlük klasörüne yazılamıyor: %2.</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be written: %2.</source>
        <translation>%1 kayıt defteri değeri yazılamıyor: %2.</translation>
    </message>
    <message>
        <source>Hardware detection could not finish: %1.</source>
        <translation>Donanım algılama tamamlanamadı: %1.</translation>
    </message>
    <message>
        <source>Unable to Uninstall Zorva Chipset Drivers.</source>
        <translation>Zorva yonga kümesi sürücüleri kaldırılamıyor.</translation>
    </message>
    <message>
        <source>Nothing has been changed on this machine.</source>
        <translation>Bu bilgisayarda hiçbir şey değiştirilmedi.</translation>
    </message>
</context>
<context>
    <name>Eula</name>
    <message>
        <source>Done</source>
        <extracomment>Button: leaves the licence page for the install page.</extracomment>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>These license agreements are available in English only. Their English text is the legally binding version.</source>
        <extracomment>Above the licence agreements, which are shown in English in every language of the installer.</extracomment>
        <translation>Bu lisans sözleşmeleri yalnızca İngilizce olarak sunulmaktadır. Hukuken bağlayıcı olan İngilizce metindir.</translation>
    </message>
    <message>
        <source>EulaAccepted </source>
        <extracomment>Screen-reader name of the licence page&apos;s Done button: its caption.</extracomment>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>EULA is accepted</source>
        <extracomment>Screen-reader description of the licence page&apos;s Done button.</extracomment>
        <translation>Lisans sözleşmesini okuduktan sonra sürücü seçimine döner</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of the title bar&apos;s button that minimizes the window.</extracomment>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of the title bar&apos;s button that closes the window.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>ZorvaLogo</source>
        <extracomment>Screen-reader name of the maker&apos;s logo in the title bar, a link to its web site.</extracomment>
        <translation>Zorva logosu</translation>
    </message>
    <message>
        <source>Opens the Zorva web site in the default browser</source>
        <extracomment>Screen-reader description of the maker&apos;s logo in the title bar.</extracomment>
        <translation>Zorva web sitesini varsayılan tarayıcıda açar</translation>
    </message>
    <message>
        <source>minimizeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Minimize button: its tooltip.</extracomment>
        <translation>Simge durumuna küçült</translation>
    </message>
    <message>
        <source>shrinks installer window to taskbar</source>
        <extracomment>Screen-reader description of the title bar&apos;s Minimize button.</extracomment>
        <translation>Yükleyiciyi görev çubuğuna küçültür</translation>
    </message>
    <message>
        <source>closeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Close button: its tooltip.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>terminates installer</source>
        <extracomment>Screen-reader description of the title bar&apos;s Close button.</extracomment>
        <translation>Yükleyiciyi kapatır</translation>
    </message>
</context>
<context>
    <name>ImageSettings</name>
    <message>
        <source>Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster start-up and smoother file transfers.</source>
        <translation>Brisk Storage Boost, daha hızlı başlatma ve daha akıcı dosya aktarımları için Zorva yonga kümenizdeki her depolama denetleyicisini ayarlar.</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Installing Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are installed.</extracomment>
        <translation>Zorva yonga kümesi sürücüleri yükleniyor...</translation>
    </message>
</context>
<context>
    <name>InstallFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Zorva Chipset Driver End User License Agreement</source>
        <extracomment>The name of the chipset drivers&apos; licence agreement, in the licence notice.</extracomment>
        <translation>Zorva Yonga Kümesi Sürücüleri Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>CancelButton</source>
        <extracomment>Screen-reader name of the install page&apos;s Cancel button: its caption.</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>shows cancel window pop-up</source>
        <extracomment>Screen-reader description of the install page&apos;s Cancel button.</extracomment>
        <translation>Yüklemenin iptal edilip edilmeyeceğini sorar</translation>
    </message>
    <message>
        <source>DisplayEula</source>
        <extracomment>Screen-reader name of the licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Zorva Yonga Kümesi Sürücüleri Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>displays Chipset Driver End User License Agreement</source>
        <extracomment>Screen-reader description of the licence notice.</extracomment>
        <translation>Yonga kümesi sürücülerinin Son Kullanıcı Lisans Sözleşmesini görüntüler</translation>
    </message>
    <message>
        <source>ComponentInstallation</source>
        <extracomment>Screen-reader name of the install page&apos;s Install button: its caption.</extracomment>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Setup will Install the selected components from the window</source>
        <extracomment>Screen-reader description of the install page&apos;s Install button.</extracomment>
        <translation>Kurulum seçili bileşenleri yükler</translation>
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
        <translation>“%1” düğmesine tıklayıp bu yazılımı yükleyerek %2 içinde belirtilen tüm hüküm ve koşulları kabul etmiş olursunuz.</translation>
    </message>
</context>
<context>
    <name>LoadingPage</name>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>Yonga Kümesi Yazılımı Yükleyicisi</translation>
    </message>
    <message>
        <source>Unable to allocate memory. Kindly restart your machine.</source>
        <translation>Yeterli bellek yok. Lütfen bilgisayarınızı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops the installer while it checks the hardware.</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Checking your PC&apos;s hardware for driver compatibility...</source>
        <translation>Bilgisayarınızın donanımı sürücü uyumluluğu için denetleniyor...</translation>
    </message>
    <message>
        <source>Another instance is running. Please close already running instance.</source>
        <translation>Yükleyici zaten çalışıyor. Lütfen önce çalışan örneği kapatın.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which cannot go on.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>CancelInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Cancel button: its caption.</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Installation is canceled</source>
        <extracomment>Screen-reader description of the loading page&apos;s Cancel button.</extracomment>
        <translation>Yüklemeyi iptal eder</translation>
    </message>
    <message>
        <source>CloseInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Close button: its caption.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Terminates Installation window</source>
        <extracomment>Screen-reader description of the loading page&apos;s Close button.</extracomment>
        <translation>Yükleyiciyi kapatır</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>Zorva Chipset Software installation failed.</source>
        <translation>Zorva yonga kümesi yazılımı yüklenemedi.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software installed successfully.</source>
        <translation>Zorva yonga kümesi yazılımı başarıyla yüklendi.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have not been uninstalled.</source>
        <translation>Seçili Zorva yonga kümesi yazılımı kaldırılmadı.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have been uninstalled.</source>
        <translation>Seçili Zorva yonga kümesi yazılımı kaldırıldı.</translation>
    </message>
    <message>
        <source>View Installation Log.</source>
        <translation>Yükleme günlüğünü görüntülemek</translation>
    </message>
    <message>
        <source>View Uninstallation Log.</source>
        <translation>Kaldırma günlüğünü görüntülemek</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software uninstallation failed.</source>
        <translation>Seçili Zorva yonga kümesi yazılımı kaldırılamadı.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software have been successfully uninstalled.</source>
        <translation>Zorva yonga kümesi yazılımı başarıyla kaldırıldı.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer (after a run, with or without success).</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restarts the computer to complete the installation.</extracomment>
        <translation>Yeniden başlat</translation>
    </message>
    <message>
        <source>Finish</source>
        <extracomment>Button: ends the uninstaller after a successful removal.</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Click to %1</source>
        <extracomment>The line that opens the run&apos;s log; %1 is the link, &quot;View Installation Log.&quot; or &quot;View Uninstallation Log.&quot;, which is underlined.</extracomment>
        <translation>%1 için tıklayın.</translation>
    </message>
    <message>
        <source>ViewInstallationLog</source>
        <extracomment>Screen-reader name of the link to the install log: the link&apos;s text.</extracomment>
        <translation>Yükleme günlüğünü görüntüle</translation>
    </message>
    <message>
        <source>ViewUninstallationLog</source>
        <extracomment>Screen-reader name of the link to the uninstall log: the link&apos;s text.</extracomment>
        <translation>Kaldırma günlüğünü görüntüle</translation>
    </message>
    <message>
        <source>Will open Installation log file</source>
        <extracomment>Screen-reader description of the link to the install log.</extracomment>
        <translation>Yükleme günlük dosyasını açar</translation>
    </message>
    <message>
        <source>Will open Uninstallation log file</source>
        <extracomment>Screen-reader description of the link to the uninstall log.</extracomment>
        <translation>Kaldırma günlük dosyasını açar</translation>
    </message>
    <message>
        <source>CloseMessageWindowFailure</source>
        <extracomment>Screen-reader name of the Close button after a failed run: its caption.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Terminate Installer Window on failure</source>
        <extracomment>Screen-reader description of the Close button after a failed run.</extracomment>
        <translation>Başarısız yüklemeden sonra yükleyiciyi kapatır</translation>
    </message>
    <message>
        <source>CloseMessageWindowSuccess</source>
        <extracomment>Screen-reader name of the Close button beside Restart: its caption.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Terminate Installer Window on success</source>
        <extracomment>Screen-reader description of the Close button beside Restart.</extracomment>
        <translation>Bilgisayarı yeniden başlatmadan yükleyiciyi kapatır</translation>
    </message>
    <message>
        <source>SystemRestart</source>
        <extracomment>Screen-reader name of the Restart button: its caption.</extracomment>
        <translation>Yeniden başlat</translation>
    </message>
    <message>
        <source>Installation completed, Restart system</source>
        <extracomment>Screen-reader description of the Restart button.</extracomment>
        <translation>Yükleme tamamlandı: bilgisayarı yeniden başlatır</translation>
    </message>
    <message>
        <source>CloseInstallationWindow</source>
        <extracomment>Screen-reader name of the Close button after a successful install: its caption.</extracomment>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Finish Uninstallation</source>
        <extracomment>Screen-reader name of the Finish button after a removal: its caption.</extracomment>
        <translation>Son</translation>
    </message>
    <message>
        <source>Installation completed, Close Installation window</source>
        <extracomment>Screen-reader description of the Close button after a successful install.</extracomment>
        <translation>Yükleme tamamlandı: yükleyiciyi kapatır</translation>
    </message>
    <message>
        <source>Terminates the installer window</source>
        <extracomment>Screen-reader description of the Finish button.</extracomment>
        <translation>Yükleyiciyi kapatır</translation>
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
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Zorva Software End User License Agreement</source>
        <extracomment>The name of the licence agreement in the smart installer&apos;s licence notice.</extracomment>
        <translation>Zorva Yazılımı Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Button: goes on with the parent installer without installing the drivers.</extracomment>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Skip this step and do not install this component.</source>
        <extracomment>Tooltip of the Skip button.</extracomment>
        <translation>Bu adımı atla ve bu bileşeni yükleme.</translation>
    </message>
    <message>
        <source>DisplaySmartInstallerEula</source>
        <extracomment>Screen-reader name of the smart installer&apos;s licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Zorva Yazılımı Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>displays Smart Installer End User License Agreement</source>
        <extracomment>Screen-reader description of the smart installer&apos;s licence notice.</extracomment>
        <translation>Zorva yazılımının Son Kullanıcı Lisans Sözleşmesini görüntüler</translation>
    </message>
    <message>
        <source>SmartInstallerCancelInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Cancel button: its caption.</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Terminates Smart Installer Installation window</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Cancel button.</extracomment>
        <translation>Yüklemenin iptal edilip edilmeyeceğini sorar</translation>
    </message>
    <message>
        <source>SmartInstallerSkipInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Skip button: its caption.</extracomment>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Installation will be skipped and won&apos;t install any component</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Skip button.</extracomment>
        <translation>Hiçbir bileşeni yüklemeden bu adımı atlar</translation>
    </message>
    <message>
        <source>SmartInstallerInstallButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Install button: its caption.</extracomment>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Selected Smart Installer components will be Installed</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Install button.</extracomment>
        <translation>Seçili bileşenleri yükler</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the uninstaller (after asking).</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Clicking uninstall will remove Zorva Chipset Drivers from your system.</source>
        <extracomment>The notice beside the Uninstall button.</extracomment>
        <translation>“Kaldır” düğmesine tıklandığında Zorva yonga kümesi sürücüleri sisteminizden kaldırılır.</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <extracomment>Button: removes the selected drivers.</extracomment>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Uninstalling Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are removed.</extracomment>
        <translation>Zorva yonga kümesi sürücüleri kaldırılıyor...</translation>
    </message>
    <message>
        <source>CancelUninstallation</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Cancel button: its caption.</extracomment>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Terminates uninstallation screen</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Cancel button.</extracomment>
        <translation>Kaldırmanın iptal edilip edilmeyeceğini sorar</translation>
    </message>
    <message>
        <source>ComponentUninstall</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Uninstall button: its caption.</extracomment>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Selected componets will be Uninstalled</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Uninstall button.</extracomment>
        <translation>Seçili bileşenleri kaldırır</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Software Installer</source>
        <extracomment>The product&apos;s title as the child of another installer, under the maker&apos;s name Zorva.</extracomment>
        <translation>Yazılım Yükleyicisi</translation>
    </message>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>Yonga Kümesi Yazılımı Yükleyicisi</translation>
    </message>
</context>
</TS>
