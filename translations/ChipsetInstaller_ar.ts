<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel Installation</source>
        <extracomment>The quit confirmation&apos;s heading.</extracomment>
        <translation>إلغاء عملية التثبيت</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Answers the quit confirmation: go on with the installation.</extracomment>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes, Quit</source>
        <extracomment>Answers the quit confirmation: end the installer.</extracomment>
        <translation>نعم، إنهاء</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the %1 ?</source>
        <extracomment>The quit confirmation&apos;s question. %1 is the product, &quot;Zorva Chipset Software Installer&quot; or &quot;Zorva Software Installer&quot;.</extracomment>
        <translation>هل تريد بالتأكيد إنهاء %1؟</translation>
    </message>
    <message>
        <source>noButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s No button: its caption.</extracomment>
        <translation>لا</translation>
    </message>
    <message>
        <source>Doesn&apos;t terminate installer</source>
        <extracomment>Screen-reader description of the No button of the quit confirmation.</extracomment>
        <translation>يتابع التثبيت دون إغلاق المثبت</translation>
    </message>
    <message>
        <source>yesButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s &quot;Yes, Quit&quot; button: its caption.</extracomment>
        <translation>نعم، إنهاء</translation>
    </message>
    <message>
        <source>Terminates installer window</source>
        <extracomment>Screen-reader description of the &quot;Yes, Quit&quot; button of the quit confirmation.</extracomment>
        <translation>يغلق المثبت</translation>
    </message>
</context>
<context>
    <name>CarouselImage</name>
    <message>
        <source>OpenZorvaWebsite</source>
        <extracomment>Screen-reader name of the promotional image, which opens its web page during a run.</extracomment>
        <translation>فتح موقع Zorva على الويب</translation>
    </message>
    <message>
        <source>Will open the Zorva website on click</source>
        <extracomment>Screen-reader description of the promotional image.</extracomment>
        <translation>يفتح موقع Zorva على الويب عند النقر</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>Version %1</source>
        <extracomment>A driver&apos;s version on its tile; %1 is the version number.</extracomment>
        <translation>الإصدار %1</translation>
    </message>
</context>
<context>
    <name>Drivers</name>
    <message>
        <source>Zorva SQP Driver</source>
        <translation>برنامج تشغيل Zorva SQP</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SQP Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva SQP</translation>
    </message>
    <message>
        <source>Zorva PCI Device Driver</source>
        <translation>برنامج تشغيل أجهزة PCI من Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PCI Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva PCI</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver</source>
        <translation>برنامج تشغيل Zorva GPIO</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO2 Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva GPIO2</translation>
    </message>
    <message>
        <source>Zorva I2C Driver</source>
        <translation>برنامج تشغيل Zorva I2C</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva I2C Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva I2C</translation>
    </message>
    <message>
        <source>NULL Driver for Zorva IOMMU Devices</source>
        <translation>برنامج تشغيل NULL لأجهزة Zorva IOMMU</translation>
    </message>
    <message>
        <source>Setup will install/uninstall NULL Driver for Zorva IOMMU Devices</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل NULL لأجهزة Zorva IOMMU</translation>
    </message>
    <message>
        <source>Zorva UART Driver</source>
        <translation>برنامج تشغيل Zorva UART</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva UART Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva UART</translation>
    </message>
    <message>
        <source>Zorva PSHED Driver</source>
        <translation>برنامج تشغيل Zorva PSHED</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PSHED Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva PSHED</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver (for Carrowind)</source>
        <translation>برنامج تشغيل Zorva GPIO (لـ Carrowind)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO Driver (for Carrowind)</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva GPIO (لـ Carrowind)</translation>
    </message>
    <message>
        <source>Zorva Quill Power Plan</source>
        <translation>خطة طاقة Zorva Quill</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quill Power Plan</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: خطة طاقة Zorva Quill</translation>
    </message>
    <message>
        <source>Zorva Quickwake Technology ACPI Driver</source>
        <translation>برنامج تشغيل ACPI لـ Zorva Quickwake Technology</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quickwake Technology ACPI Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل ACPI لـ Zorva Quickwake Technology</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver</source>
        <translation>برنامج تشغيل وحدة تحكم Zorva USB3.0</translation>
    </message>
    <message>
        <source>Setup will install/uninstall USB3.0 Controller Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل وحدة تحكم USB3.0</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>برنامج تشغيل وحدة تحكم Zorva USB3.1 (لـ Carrowind)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل وحدة تحكم Zorva USB3.1 (لـ Carrowind)</translation>
    </message>
    <message>
        <source>Zorva SATA Controller Driver</source>
        <translation>برنامج تشغيل وحدة تحكم Zorva SATA</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SATA Controller Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل وحدة تحكم Zorva SATA</translation>
    </message>
    <message>
        <source>Zorva SRH KMDF I2C Driver</source>
        <translation>برنامج تشغيل Zorva SRH KMDF I2C</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SRH KMDF I2C Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva SRH KMDF I2C</translation>
    </message>
    <message>
        <source>Zorva Sensor Relay Hub Driver</source>
        <translation>برنامج تشغيل Zorva Sensor Relay Hub</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Sensor Relay Hub Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva Sensor Relay Hub</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>برنامج تشغيل وحدة تحكم Zorva USB3.0 (لـ Merrow)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل وحدة تحكم Zorva USB3.0 (لـ Merrow)</translation>
    </message>
    <message>
        <source>Zorva SMBus Driver</source>
        <translation>برنامج تشغيل Zorva SMBus</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMBus Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva SMBus</translation>
    </message>
    <message>
        <source>Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>برنامج تشغيل Zorva SATA RAID المتوافق مع AHCI</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva SATA RAID المتوافق مع AHCI</translation>
    </message>
    <message>
        <source>Zorva RAIDWarden2 Utility</source>
        <translation>الأداة المساعدة Zorva RAIDWarden2</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva RAIDWarden2 Utility</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: الأداة المساعدة Zorva RAIDWarden2</translation>
    </message>
    <message>
        <source>Zorva USB Filter Driver</source>
        <translation>برنامج تشغيل عامل تصفية USB من Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB Filter Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل عامل تصفية USB من Zorva</translation>
    </message>
    <message>
        <source>Zorva Consumer Infrared Driver</source>
        <translation>برنامج تشغيل الأشعة تحت الحمراء الاستهلاكية من Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Consumer Infrared Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل الأشعة تحت الحمراء الاستهلاكية من Zorva</translation>
    </message>
    <message>
        <source>Zorva CXP Driver</source>
        <translation>برنامج تشغيل Zorva CXP</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva CXP Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva CXP</translation>
    </message>
    <message>
        <source>Zorva SPI Driver</source>
        <translation>برنامج تشغيل Zorva SPI</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SPI Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva SPI</translation>
    </message>
    <message>
        <source>Zorva Graphics Driver</source>
        <translation>برنامج تشغيل الرسومات من Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Graphics Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل الرسومات من Zorva</translation>
    </message>
    <message>
        <source>Zorva VK_RAID Driver</source>
        <translation>برنامج تشغيل Zorva VK_RAID</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva VK_RAID Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva VK_RAID</translation>
    </message>
    <message>
        <source>Zorva VK_RAIDWarden2 Utility</source>
        <translation>الأداة المساعدة Zorva VK_RAIDWarden2</translation>
    </message>
    <message>
        <source>Zorva MicroPEP Driver</source>
        <translation>برنامج تشغيل Zorva MicroPEP</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva MicroPEP Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva MicroPEP</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver</source>
        <translation>برنامج تشغيل وحدة تحكم Zorva USB3.1</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل وحدة تحكم Zorva USB3.1</translation>
    </message>
    <message>
        <source>Zorva Gigabit Ethernet Driver</source>
        <translation>برنامج تشغيل Zorva Gigabit Ethernet</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Gigabit Ethernet Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva Gigabit Ethernet</translation>
    </message>
    <message>
        <source>Zorva SMF Driver</source>
        <translation>برنامج تشغيل Zorva SMF</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMF Driver</source>
        <translation>يثبّت برنامج الإعداد أو يلغي تثبيت: برنامج تشغيل Zorva SMF</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Unable to Install Zorva Chipset Drivers.</source>
        <translation>يتعذر تثبيت برامج تشغيل مجموعة شرائح Zorva.</translation>
    </message>
    <message>
        <source>There are no uninstallable drivers found.</source>
        <translation>لم يتم العثور على برامج تشغيل يمكن إلغاء تثبيتها.</translation>
    </message>
    <message>
        <source>System configuration is not compatible for RAID drivers or applications installation.</source>
        <translation>تكوين النظام غير متوافق مع تثبيت برامج تشغيل RAID أو تطبيقاته.</translation>
    </message>
    <message>
        <source>A System Update is required to complete the installation.</source>
        <translation>يلزم تحديث النظام لإكمال التثبيت.</translation>
    </message>
    <message>
        <source>Zorva Chipset Drivers were not found.</source>
        <translation>لم يتم العثور على برامج تشغيل مجموعة شرائح Zorva.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which has nothing to do on this computer.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>ErrorWindowCloseButton</source>
        <extracomment>Screen-reader name of the error panel&apos;s Close button: its caption.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Terminates Error Window</source>
        <extracomment>Screen-reader description of the error panel&apos;s Close button.</extracomment>
        <translation>يغلق رسالة الخطأ والمثبت</translation>
    </message>
    <message>
        <source>The system drive cannot be used: %1.</source>
        <translation>لا يمكن استخدام محرك أقراص النظام: %1.</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be written: %2.</source>
        <translation>تتعذر الكتابة في مجلد السجلات %1: %2.</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be written: %2.</source>
        <translation>تتعذر كتابة قيمة السجل %1: %2.</translation>
    </message>
    <message>
        <source>Hardware detection could not finish: %1.</source>
        <translation>تعذر إكمال الكشف عن الأجهزة: %1.</translation>
    </message>
    <message>
        <source>Unable to Uninstall Zorva Chipset Drivers.</source>
        <translation>يتعذر إلغاء تثبيت برامج تشغيل مجموعة شرائح Zorva.</translation>
    </message>
    <message>
        <source>Nothing has been changed on this machine.</source>
        <translation>لم يتم تغيير أي شيء على هذا الكمبيوتر.</translation>
    </message>
</context>
<context>
    <name>Eula</name>
    <message>
        <source>Done</source>
        <extracomment>Button: leaves the licence page for the install page.</extracomment>
        <translation>تم</translation>
    </message>
    <message>
        <source>These license agreements are available in English only. Their English text is the legally binding version.</source>
        <extracomment>Above the licence agreements, which are shown in English in every language of the installer.</extracomment>
        <translation>اتفاقيات الترخيص هذه متوفرة باللغة الإنجليزية فقط، ونصها الإنجليزي هو النسخة الملزمة قانونًا.</translation>
    </message>
    <message>
        <source>EulaAccepted </source>
        <extracomment>Screen-reader name of the licence page&apos;s Done button: its caption.</extracomment>
        <translation>تم</translation>
    </message>
    <message>
        <source>EULA is accepted</source>
        <extracomment>Screen-reader description of the licence page&apos;s Done button.</extracomment>
        <translation>يعود إلى اختيار برامج التشغيل بعد قراءة اتفاقية الترخيص</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of the title bar&apos;s button that minimizes the window.</extracomment>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of the title bar&apos;s button that closes the window.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>ZorvaLogo</source>
        <extracomment>Screen-reader name of the maker&apos;s logo in the title bar, a link to its web site.</extracomment>
        <translation>شعار Zorva</translation>
    </message>
    <message>
        <source>Opens the Zorva web site in the default browser</source>
        <extracomment>Screen-reader description of the maker&apos;s logo in the title bar.</extracomment>
        <translation>يفتح موقع Zorva على الويب في المستعرض الافتراضي</translation>
    </message>
    <message>
        <source>minimizeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Minimize button: its tooltip.</extracomment>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>shrinks installer window to taskbar</source>
        <extracomment>Screen-reader description of the title bar&apos;s Minimize button.</extracomment>
        <translation>يصغّر المثبت إلى شريط المهام</translation>
    </message>
    <message>
        <source>closeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Close button: its tooltip.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>terminates installer</source>
        <extracomment>Screen-reader description of the title bar&apos;s Close button.</extracomment>
        <translation>يغلق المثبت</translation>
    </message>
</context>
<context>
    <name>ImageSettings</name>
    <message>
        <source>Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster start-up and smoother file transfers.</source>
        <translation>يضبط Brisk Storage Boost كل وحدة تحكم تخزين في مجموعة شرائح Zorva لبدء تشغيل أسرع ونقل ملفات أكثر سلاسة.</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Installing Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are installed.</extracomment>
        <translation>جارٍ تثبيت برامج تشغيل مجموعة شرائح Zorva...</translation>
    </message>
</context>
<context>
    <name>InstallFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Zorva Chipset Driver End User License Agreement</source>
        <extracomment>The name of the chipset drivers&apos; licence agreement, in the licence notice.</extracomment>
        <translation>اتفاقية ترخيص المستخدم النهائي لبرامج تشغيل مجموعة شرائح Zorva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>CancelButton</source>
        <extracomment>Screen-reader name of the install page&apos;s Cancel button: its caption.</extracomment>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>shows cancel window pop-up</source>
        <extracomment>Screen-reader description of the install page&apos;s Cancel button.</extracomment>
        <translation>يسأل عما إذا كان يجب إلغاء التثبيت</translation>
    </message>
    <message>
        <source>DisplayEula</source>
        <extracomment>Screen-reader name of the licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>اتفاقية ترخيص المستخدم النهائي لبرامج تشغيل مجموعة شرائح Zorva</translation>
    </message>
    <message>
        <source>displays Chipset Driver End User License Agreement</source>
        <extracomment>Screen-reader description of the licence notice.</extracomment>
        <translation>يعرض اتفاقية ترخيص المستخدم النهائي لبرامج تشغيل مجموعة الشرائح</translation>
    </message>
    <message>
        <source>ComponentInstallation</source>
        <extracomment>Screen-reader name of the install page&apos;s Install button: its caption.</extracomment>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Setup will Install the selected components from the window</source>
        <extracomment>Screen-reader description of the install page&apos;s Install button.</extracomment>
        <translation>يثبّت برنامج الإعداد المكونات المحددة</translation>
    </message>
</context>
<context>
    <name>InstallerWindow</name>
    <message>
        <source>Zorva %1</source>
        <extracomment>The product&apos;s name, in the window&apos;s title and the quit confirmation. %1 is the title, &quot;Chipset Software Installer&quot; or &quot;Software Installer&quot;; Zorva is the maker.</extracomment>
        <translation>%1 من Zorva</translation>
    </message>
</context>
<context>
    <name>LicenceNotice</name>
    <message>
        <source>By clicking &quot;%1&quot; and installing this software, you are agreeing to all the terms and conditions stated in the %2.</source>
        <extracomment>The licence notice beside the Install button. %1 is that button&apos;s caption, %2 the name of the licence agreement, which the user clicks to read it. Use your language&apos;s quotation marks around %1.</extracomment>
        <translation>بالنقر فوق «%1» وتثبيت هذا البرنامج، فإنك توافق على جميع الشروط والأحكام الواردة في %2.</translation>
    </message>
</context>
<context>
    <name>LoadingPage</name>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>مثبت برامج مجموعة الشرائح</translation>
    </message>
    <message>
        <source>Unable to allocate memory. Kindly restart your machine.</source>
        <translation>الذاكرة غير كافية. يرجى إعادة تشغيل الكمبيوتر.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops the installer while it checks the hardware.</extracomment>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Checking your PC&apos;s hardware for driver compatibility...</source>
        <translation>جارٍ فحص توافق أجهزة الكمبيوتر مع برامج التشغيل...</translation>
    </message>
    <message>
        <source>Another instance is running. Please close already running instance.</source>
        <translation>المثبت قيد التشغيل بالفعل. يرجى إغلاق النسخة قيد التشغيل أولاً.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which cannot go on.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>CancelInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Cancel button: its caption.</extracomment>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Installation is canceled</source>
        <extracomment>Screen-reader description of the loading page&apos;s Cancel button.</extracomment>
        <translation>يلغي التثبيت</translation>
    </message>
    <message>
        <source>CloseInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Close button: its caption.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Terminates Installation window</source>
        <extracomment>Screen-reader description of the loading page&apos;s Close button.</extracomment>
        <translation>يغلق المثبت</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>Zorva Chipset Software installation failed.</source>
        <translation>فشل تثبيت برنامج مجموعة شرائح Zorva.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software installed successfully.</source>
        <translation>تم تثبيت برنامج مجموعة شرائح Zorva بنجاح.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have not been uninstalled.</source>
        <translation>لم يتم إلغاء تثبيت برنامج مجموعة شرائح Zorva المحدد.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have been uninstalled.</source>
        <translation>تم إلغاء تثبيت برنامج مجموعة شرائح Zorva المحدد.</translation>
    </message>
    <message>
        <source>View Installation Log.</source>
        <translation>لعرض سجل التثبيت</translation>
    </message>
    <message>
        <source>View Uninstallation Log.</source>
        <translation>لعرض سجل إلغاء التثبيت</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software uninstallation failed.</source>
        <translation>فشل إلغاء تثبيت برنامج مجموعة شرائح Zorva المحدد.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software have been successfully uninstalled.</source>
        <translation>تم إلغاء تثبيت برنامج مجموعة شرائح Zorva بنجاح.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer (after a run, with or without success).</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restarts the computer to complete the installation.</extracomment>
        <translation>إعادة التشغيل</translation>
    </message>
    <message>
        <source>Finish</source>
        <extracomment>Button: ends the uninstaller after a successful removal.</extracomment>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Click to %1</source>
        <extracomment>The line that opens the run&apos;s log; %1 is the link, &quot;View Installation Log.&quot; or &quot;View Uninstallation Log.&quot;, which is underlined.</extracomment>
        <translation>انقر %1.</translation>
    </message>
    <message>
        <source>ViewInstallationLog</source>
        <extracomment>Screen-reader name of the link to the install log: the link&apos;s text.</extracomment>
        <translation>عرض سجل التثبيت</translation>
    </message>
    <message>
        <source>ViewUninstallationLog</source>
        <extracomment>Screen-reader name of the link to the uninstall log: the link&apos;s text.</extracomment>
        <translation>عرض سجل إلغاء التثبيت</translation>
    </message>
    <message>
        <source>Will open Installation log file</source>
        <extracomment>Screen-reader description of the link to the install log.</extracomment>
        <translation>يفتح ملف سجل التثبيت</translation>
    </message>
    <message>
        <source>Will open Uninstallation log file</source>
        <extracomment>Screen-reader description of the link to the uninstall log.</extracomment>
        <translation>يفتح ملف سجل إلغاء التثبيت</translation>
    </message>
    <message>
        <source>CloseMessageWindowFailure</source>
        <extracomment>Screen-reader name of the Close button after a failed run: its caption.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Terminate Installer Window on failure</source>
        <extracomment>Screen-reader description of the Close button after a failed run.</extracomment>
        <translation>يغلق المثبت بعد فشل العملية</translation>
    </message>
    <message>
        <source>CloseMessageWindowSuccess</source>
        <extracomment>Screen-reader name of the Close button beside Restart: its caption.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Terminate Installer Window on success</source>
        <extracomment>Screen-reader description of the Close button beside Restart.</extracomment>
        <translation>يغلق المثبت دون إعادة تشغيل الكمبيوتر</translation>
    </message>
    <message>
        <source>SystemRestart</source>
        <extracomment>Screen-reader name of the Restart button: its caption.</extracomment>
        <translation>إعادة التشغيل</translation>
    </message>
    <message>
        <source>Installation completed, Restart system</source>
        <extracomment>Screen-reader description of the Restart button.</extracomment>
        <translation>اكتمل التثبيت: يعيد تشغيل الكمبيوتر</translation>
    </message>
    <message>
        <source>CloseInstallationWindow</source>
        <extracomment>Screen-reader name of the Close button after a successful install: its caption.</extracomment>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Finish Uninstallation</source>
        <extracomment>Screen-reader name of the Finish button after a removal: its caption.</extracomment>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Installation completed, Close Installation window</source>
        <extracomment>Screen-reader description of the Close button after a successful install.</extracomment>
        <translation>اكتمل التثبيت: يغلق المثبت</translation>
    </message>
    <message>
        <source>Terminates the installer window</source>
        <extracomment>Screen-reader description of the Finish button.</extracomment>
        <translation>يغلق المثبت</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Translate this string to the string &quot;LTR&quot; in left-to-right languages or to &quot;RTL&quot; in right-to-left languages (such as Arabic) to get the pages mirrored.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>SmartInstallerFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Zorva Software End User License Agreement</source>
        <extracomment>The name of the licence agreement in the smart installer&apos;s licence notice.</extracomment>
        <translation>اتفاقية ترخيص المستخدم النهائي لبرامج Zorva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Button: goes on with the parent installer without installing the drivers.</extracomment>
        <translation>تخطي</translation>
    </message>
    <message>
        <source>Skip this step and do not install this component.</source>
        <extracomment>Tooltip of the Skip button.</extracomment>
        <translation>تخطي هذه الخطوة وعدم تثبيت هذا المكون.</translation>
    </message>
    <message>
        <source>DisplaySmartInstallerEula</source>
        <extracomment>Screen-reader name of the smart installer&apos;s licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>اتفاقية ترخيص المستخدم النهائي لبرامج Zorva</translation>
    </message>
    <message>
        <source>displays Smart Installer End User License Agreement</source>
        <extracomment>Screen-reader description of the smart installer&apos;s licence notice.</extracomment>
        <translation>يعرض اتفاقية ترخيص المستخدم النهائي لبرامج Zorva</translation>
    </message>
    <message>
        <source>SmartInstallerCancelInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Cancel button: its caption.</extracomment>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Terminates Smart Installer Installation window</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Cancel button.</extracomment>
        <translation>يسأل عما إذا كان يجب إلغاء التثبيت</translation>
    </message>
    <message>
        <source>SmartInstallerSkipInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Skip button: its caption.</extracomment>
        <translation>تخطي</translation>
    </message>
    <message>
        <source>Installation will be skipped and won&apos;t install any component</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Skip button.</extracomment>
        <translation>يتخطى هذه الخطوة دون تثبيت أي مكون</translation>
    </message>
    <message>
        <source>SmartInstallerInstallButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Install button: its caption.</extracomment>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Selected Smart Installer components will be Installed</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Install button.</extracomment>
        <translation>يثبّت المكونات المحددة</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the uninstaller (after asking).</extracomment>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Clicking uninstall will remove Zorva Chipset Drivers from your system.</source>
        <extracomment>The notice beside the Uninstall button.</extracomment>
        <translation>يؤدي النقر فوق «إلغاء التثبيت» إلى إزالة برامج تشغيل مجموعة شرائح Zorva من النظام.</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <extracomment>Button: removes the selected drivers.</extracomment>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message>
        <source>Uninstalling Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are removed.</extracomment>
        <translation>جارٍ إلغاء تثبيت برامج تشغيل مجموعة شرائح Zorva...</translation>
    </message>
    <message>
        <source>CancelUninstallation</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Cancel button: its caption.</extracomment>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Terminates uninstallation screen</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Cancel button.</extracomment>
        <translation>يسأل عما إذا كان يجب إيقاف إزالة برامج التشغيل</translation>
    </message>
    <message>
        <source>ComponentUninstall</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Uninstall button: its caption.</extracomment>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message>
        <source>Selected componets will be Uninstalled</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Uninstall button.</extracomment>
        <translation>يلغي تثبيت المكونات المحددة</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Software Installer</source>
        <extracomment>The product&apos;s title as the child of another installer, under the maker&apos;s name Zorva.</extracomment>
        <translation>مثبت البرامج</translation>
    </message>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>مثبت برامج مجموعة الشرائح</translation>
    </message>
</context>
</TS>
