<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel Installation</source>
        <extracomment>The quit confirmation&apos;s heading.</extracomment>
        <translation>설치 취소</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Answers the quit confirmation: go on with the installation.</extracomment>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Yes, Quit</source>
        <extracomment>Answers the quit confirmation: end the installer.</extracomment>
        <translation>예, 종료</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the %1 ?</source>
        <extracomment>The quit confirmation&apos;s question. %1 is the product, &quot;Zorva Chipset Software Installer&quot; or &quot;Zorva Software Installer&quot;.</extracomment>
        <translation>%1을(를) 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>noButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s No button: its caption.</extracomment>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Doesn&apos;t terminate installer</source>
        <extracomment>Screen-reader description of the No button of the quit confirmation.</extracomment>
        <translation>설치 프로그램을 종료하지 않고 설치를 계속합니다</translation>
    </message>
    <message>
        <source>yesButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s &quot;Yes, Quit&quot; button: its caption.</extracomment>
        <translation>예, 종료</translation>
    </message>
    <message>
        <source>Terminates installer window</source>
        <extracomment>Screen-reader description of the &quot;Yes, Quit&quot; button of the quit confirmation.</extracomment>
        <translation>설치 프로그램을 종료합니다</translation>
    </message>
</context>
<context>
    <name>CarouselImage</name>
    <message>
        <source>OpenZorvaWebsite</source>
        <extracomment>Screen-reader name of the promotional image, which opens its web page during a run.</extracomment>
        <translation>Zorva 웹 사이트 열기</translation>
    </message>
    <message>
        <source>Will open the Zorva website on click</source>
        <extracomment>Screen-reader description of the promotional image.</extracomment>
        <translation>클릭하면 Zorva 웹 사이트를 엽니다</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>Version %1</source>
        <extracomment>A driver&apos;s version on its tile; %1 is the version number.</extracomment>
        <translation>버전 %1</translation>
    </message>
</context>
<context>
    <name>Drivers</name>
    <message>
        <source>Zorva SQP Driver</source>
        <translation>Zorva SQP 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SQP Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva SQP 드라이버</translation>
    </message>
    <message>
        <source>Zorva PCI Device Driver</source>
        <translation>Zorva PCI 장치 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PCI Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva PCI 드라이버</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver</source>
        <translation>Zorva GPIO 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO2 Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva GPIO2 드라이버</translation>
    </message>
    <message>
        <source>Zorva I2C Driver</source>
        <translation>Zorva I2C 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva I2C Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva I2C 드라이버</translation>
    </message>
    <message>
        <source>NULL Driver for Zorva IOMMU Devices</source>
        <translation>Zorva IOMMU 장치용 NULL 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall NULL Driver for Zorva IOMMU Devices</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva IOMMU 장치용 NULL 드라이버</translation>
    </message>
    <message>
        <source>Zorva UART Driver</source>
        <translation>Zorva UART 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva UART Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva UART 드라이버</translation>
    </message>
    <message>
        <source>Zorva PSHED Driver</source>
        <translation>Zorva PSHED 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PSHED Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva PSHED 드라이버</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver (for Carrowind)</source>
        <translation>Zorva GPIO 드라이버(Carrowind용)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO Driver (for Carrowind)</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva GPIO 드라이버(Carrowind용)</translation>
    </message>
    <message>
        <source>Zorva Quill Power Plan</source>
        <translation>Zorva Quill 전원 관리 옵션</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quill Power Plan</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva Quill 전원 관리 옵션</translation>
    </message>
    <message>
        <source>Zorva Quickwake Technology ACPI Driver</source>
        <translation>Zorva Quickwake Technology ACPI 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quickwake Technology ACPI Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva Quickwake Technology ACPI 드라이버</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver</source>
        <translation>Zorva USB3.0 컨트롤러 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall USB3.0 Controller Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: USB3.0 컨트롤러 드라이버</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>Zorva USB3.1 컨트롤러 드라이버(Carrowind용)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva USB3.1 컨트롤러 드라이버(Carrowind용)</translation>
    </message>
    <message>
        <source>Zorva SATA Controller Driver</source>
        <translation>Zorva SATA 컨트롤러 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SATA Controller Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva SATA 컨트롤러 드라이버</translation>
    </message>
    <message>
        <source>Zorva SRH KMDF I2C Driver</source>
        <translation>Zorva SRH KMDF I2C 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SRH KMDF I2C Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva SRH KMDF I2C 드라이버</translation>
    </message>
    <message>
        <source>Zorva Sensor Relay Hub Driver</source>
        <translation>Zorva Sensor Relay Hub 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Sensor Relay Hub Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva Sensor Relay Hub 드라이버</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>Zorva USB3.0 컨트롤러 드라이버(Merrow용)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva USB3.0 컨트롤러 드라이버(Merrow용)</translation>
    </message>
    <message>
        <source>Zorva SMBus Driver</source>
        <translation>Zorva SMBus 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMBus Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva SMBus 드라이버</translation>
    </message>
    <message>
        <source>Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>Zorva AHCI 호환 SATA RAID 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva AHCI 호환 SATA RAID 드라이버</translation>
    </message>
    <message>
        <source>Zorva RAIDWarden2 Utility</source>
        <translation>Zorva RAIDWarden2 유틸리티</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva RAIDWarden2 Utility</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva RAIDWarden2 유틸리티</translation>
    </message>
    <message>
        <source>Zorva USB Filter Driver</source>
        <translation>Zorva USB 필터 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB Filter Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva USB 필터 드라이버</translation>
    </message>
    <message>
        <source>Zorva Consumer Infrared Driver</source>
        <translation>Zorva 소비자 적외선 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Consumer Infrared Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva 소비자 적외선 드라이버</translation>
    </message>
    <message>
        <source>Zorva CXP Driver</source>
        <translation>Zorva CXP 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva CXP Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva CXP 드라이버</translation>
    </message>
    <message>
        <source>Zorva SPI Driver</source>
        <translation>Zorva SPI 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SPI Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva SPI 드라이버</translation>
    </message>
    <message>
        <source>Zorva Graphics Driver</source>
        <translation>Zorva 그래픽 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Graphics Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva 그래픽 드라이버</translation>
    </message>
    <message>
        <source>Zorva VK_RAID Driver</source>
        <translation>Zorva VK_RAID 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva VK_RAID Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva VK_RAID 드라이버</translation>
    </message>
    <message>
        <source>Zorva VK_RAIDWarden2 Utility</source>
        <translation>Zorva VK_RAIDWarden2 유틸리티</translation>
    </message>
    <message>
        <source>Zorva MicroPEP Driver</source>
        <translation>Zorva MicroPEP 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva MicroPEP Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva MicroPEP 드라이버</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver</source>
        <translation>Zorva USB3.1 컨트롤러 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva USB3.1 컨트롤러 드라이버</translation>
    </message>
    <message>
        <source>Zorva Gigabit Ethernet Driver</source>
        <translation>Zorva 기가비트 이더넷 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Gigabit Ethernet Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva 기가비트 이더넷 드라이버</translation>
    </message>
    <message>
        <source>Zorva SMF Driver</source>
        <translation>Zorva SMF 드라이버</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMF Driver</source>
        <translation>설치 프로그램이 설치하거나 제거하는 항목: Zorva SMF 드라이버</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Unable to Install Zorva Chipset Drivers.</source>
        <translation>Zorva 칩셋 드라이버를 설치할 수 없습니다.</translation>
    </message>
    <message>
        <source>There are no uninstallable drivers found.</source>
        <translation>제거할 수 있는 드라이버를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>System configuration is not compatible for RAID drivers or applications installation.</source>
        <translation>시스템 구성이 RAID 드라이버 또는 응용 프로그램 설치와 호환되지 않습니다.</translation>
    </message>
    <message>
        <source>A System Update is required to complete the installation.</source>
        <translation>설치를 완료하려면 시스템 업데이트가 필요합니다.</translation>
    </message>
    <message>
        <source>Zorva Chipset Drivers were not found.</source>
        <translation>Zorva 칩셋 드라이버를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which has nothing to do on this computer.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>ErrorWindowCloseButton</source>
        <extracomment>Screen-reader name of the error panel&apos;s Close button: its caption.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Terminates Error Window</source>
        <extracomment>Screen-reader description of the error panel&apos;s Close button.</extracomment>
        <translation>오류 메시지를 닫고 설치 프로그램을 종료합니다</translation>
    </message>
    <message>
        <source>The system drive cannot be used: %1.</source>
        <translation>시스템 드라이브를 사용할 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be written: %2.</source>
        <translation>로그 폴더 %1에 쓸 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be written: %2.</source>
        <translation>레지스트리 값 %1을(를) 쓸 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Hardware detection could not finish: %1.</source>
        <translation>하드웨어 검색을 완료할 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>Unable to Uninstall Zorva Chipset Drivers.</source>
        <translation>Zorva 칩셋 드라이버를 제거할 수 없습니다.</translation>
    </message>
    <message>
        <source>Nothing has been changed on this machine.</source>
        <translation>이 컴퓨터에서 변경된 내용이 없습니다.</translation>
    </message>
</context>
<context>
    <name>Eula</name>
    <message>
        <source>Done</source>
        <extracomment>Button: leaves the licence page for the install page.</extracomment>
        <translation>완료</translation>
    </message>
    <message>
        <source>These license agreements are available in English only. Their English text is the legally binding version.</source>
        <extracomment>Above the licence agreements, which are shown in English in every language of the installer.</extracomment>
        <translation>이 사용권 계약은 영어로만 제공됩니다. 법적 구속력이 있는 것은 영어 원문입니다.</translation>
    </message>
    <message>
        <source>EulaAccepted </source>
        <extracomment>Screen-reader name of the licence page&apos;s Done button: its caption.</extracomment>
        <translation>완료</translation>
    </message>
    <message>
        <source>EULA is accepted</source>
        <extracomment>Screen-reader description of the licence page&apos;s Done button.</extracomment>
        <translation>사용권 계약을 읽은 후 드라이버 선택으로 돌아갑니다</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of the title bar&apos;s button that minimizes the window.</extracomment>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of the title bar&apos;s button that closes the window.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>ZorvaLogo</source>
        <extracomment>Screen-reader name of the maker&apos;s logo in the title bar, a link to its web site.</extracomment>
        <translation>Zorva 로고</translation>
    </message>
    <message>
        <source>Opens the Zorva web site in the default browser</source>
        <extracomment>Screen-reader description of the maker&apos;s logo in the title bar.</extracomment>
        <translation>기본 브라우저에서 Zorva 웹 사이트를 엽니다</translation>
    </message>
    <message>
        <source>minimizeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Minimize button: its tooltip.</extracomment>
        <translation>최소화</translation>
    </message>
    <message>
        <source>shrinks installer window to taskbar</source>
        <extracomment>Screen-reader description of the title bar&apos;s Minimize button.</extracomment>
        <translation>설치 프로그램을 작업 표시줄로 최소화합니다</translation>
    </message>
    <message>
        <source>closeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Close button: its tooltip.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>terminates installer</source>
        <extracomment>Screen-reader description of the title bar&apos;s Close button.</extracomment>
        <translation>설치 프로그램을 종료합니다</translation>
    </message>
</context>
<context>
    <name>ImageSettings</name>
    <message>
        <source>Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster start-up and smoother file transfers.</source>
        <translation>Brisk Storage Boost는 Zorva 칩셋의 모든 스토리지 컨트롤러를 조정하여 더 빠른 시작과 더 원활한 파일 전송을 제공합니다.</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Installing Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are installed.</extracomment>
        <translation>Zorva 칩셋 드라이버를 설치하는 중...</translation>
    </message>
</context>
<context>
    <name>InstallFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>설치</translation>
    </message>
    <message>
        <source>Zorva Chipset Driver End User License Agreement</source>
        <extracomment>The name of the chipset drivers&apos; licence agreement, in the licence notice.</extracomment>
        <translation>Zorva 칩셋 드라이버 최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>CancelButton</source>
        <extracomment>Screen-reader name of the install page&apos;s Cancel button: its caption.</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>shows cancel window pop-up</source>
        <extracomment>Screen-reader description of the install page&apos;s Cancel button.</extracomment>
        <translation>설치를 취소할지 묻습니다</translation>
    </message>
    <message>
        <source>DisplayEula</source>
        <extracomment>Screen-reader name of the licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Zorva 칩셋 드라이버 최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>displays Chipset Driver End User License Agreement</source>
        <extracomment>Screen-reader description of the licence notice.</extracomment>
        <translation>칩셋 드라이버 최종 사용자 사용권 계약을 표시합니다</translation>
    </message>
    <message>
        <source>ComponentInstallation</source>
        <extracomment>Screen-reader name of the install page&apos;s Install button: its caption.</extracomment>
        <translation>설치</translation>
    </message>
    <message>
        <source>Setup will Install the selected components from the window</source>
        <extracomment>Screen-reader description of the install page&apos;s Install button.</extracomment>
        <translation>설치 프로그램이 선택한 구성 요소를 설치합니다</translation>
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
        <translation>[%1]을(를) 클릭하고 이 소프트웨어를 설치하면 %2에 명시된 모든 약관에 동의하는 것입니다.</translation>
    </message>
</context>
<context>
    <name>LoadingPage</name>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>칩셋 소프트웨어 설치 관리자</translation>
    </message>
    <message>
        <source>Unable to allocate memory. Kindly restart your machine.</source>
        <translation>메모리가 부족합니다. 컴퓨터를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops the installer while it checks the hardware.</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Checking your PC&apos;s hardware for driver compatibility...</source>
        <translation>PC 하드웨어와 드라이버의 호환성을 확인하는 중...</translation>
    </message>
    <message>
        <source>Another instance is running. Please close already running instance.</source>
        <translation>설치 프로그램이 이미 실행 중입니다. 실행 중인 인스턴스를 먼저 닫으세요.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which cannot go on.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>CancelInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Cancel button: its caption.</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Installation is canceled</source>
        <extracomment>Screen-reader description of the loading page&apos;s Cancel button.</extracomment>
        <translation>설치를 취소합니다</translation>
    </message>
    <message>
        <source>CloseInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Close button: its caption.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Terminates Installation window</source>
        <extracomment>Screen-reader description of the loading page&apos;s Close button.</extracomment>
        <translation>설치 프로그램을 종료합니다</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>Zorva Chipset Software installation failed.</source>
        <translation>Zorva 칩셋 소프트웨어를 설치하지 못했습니다.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software installed successfully.</source>
        <translation>Zorva 칩셋 소프트웨어를 설치했습니다.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have not been uninstalled.</source>
        <translation>선택한 Zorva 칩셋 소프트웨어가 제거되지 않았습니다.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have been uninstalled.</source>
        <translation>선택한 Zorva 칩셋 소프트웨어를 제거했습니다.</translation>
    </message>
    <message>
        <source>View Installation Log.</source>
        <translation>설치 로그를 보려면</translation>
    </message>
    <message>
        <source>View Uninstallation Log.</source>
        <translation>제거 로그를 보려면</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software uninstallation failed.</source>
        <translation>선택한 Zorva 칩셋 소프트웨어를 제거하지 못했습니다.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software have been successfully uninstalled.</source>
        <translation>Zorva 칩셋 소프트웨어를 제거했습니다.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer (after a run, with or without success).</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restarts the computer to complete the installation.</extracomment>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Finish</source>
        <extracomment>Button: ends the uninstaller after a successful removal.</extracomment>
        <translation>마침</translation>
    </message>
    <message>
        <source>Click to %1</source>
        <extracomment>The line that opens the run&apos;s log; %1 is the link, &quot;View Installation Log.&quot; or &quot;View Uninstallation Log.&quot;, which is underlined.</extracomment>
        <translation>%1 클릭하세요.</translation>
    </message>
    <message>
        <source>ViewInstallationLog</source>
        <extracomment>Screen-reader name of the link to the install log: the link&apos;s text.</extracomment>
        <translation>설치 로그 보기</translation>
    </message>
    <message>
        <source>ViewUninstallationLog</source>
        <extracomment>Screen-reader name of the link to the uninstall log: the link&apos;s text.</extracomment>
        <translation>제거 로그 보기</translation>
    </message>
    <message>
        <source>Will open Installation log file</source>
        <extracomment>Screen-reader description of the link to the install log.</extracomment>
        <translation>설치 로그 파일을 엽니다</translation>
    </message>
    <message>
        <source>Will open Uninstallation log file</source>
        <extracomment>Screen-reader description of the link to the uninstall log.</extracomment>
        <translation>제거 로그 파일을 엽니다</translation>
    </message>
    <message>
        <source>CloseMessageWindowFailure</source>
        <extracomment>Screen-reader name of the Close button after a failed run: its caption.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Terminate Installer Window on failure</source>
        <extracomment>Screen-reader description of the Close button after a failed run.</extracomment>
        <translation>실패 후 설치 프로그램을 종료합니다</translation>
    </message>
    <message>
        <source>CloseMessageWindowSuccess</source>
        <extracomment>Screen-reader name of the Close button beside Restart: its caption.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Terminate Installer Window on success</source>
        <extracomment>Screen-reader description of the Close button beside Restart.</extracomment>
        <translation>컴퓨터를 다시 시작하지 않고 설치 프로그램을 종료합니다</translation>
    </message>
    <message>
        <source>SystemRestart</source>
        <extracomment>Screen-reader name of the Restart button: its caption.</extracomment>
        <translation>다시 시작</translation>
    </message>
    <message>
        <source>Installation completed, Restart system</source>
        <extracomment>Screen-reader description of the Restart button.</extracomment>
        <translation>설치 완료: 컴퓨터를 다시 시작합니다</translation>
    </message>
    <message>
        <source>CloseInstallationWindow</source>
        <extracomment>Screen-reader name of the Close button after a successful install: its caption.</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Finish Uninstallation</source>
        <extracomment>Screen-reader name of the Finish button after a removal: its caption.</extracomment>
        <translation>마침</translation>
    </message>
    <message>
        <source>Installation completed, Close Installation window</source>
        <extracomment>Screen-reader description of the Close button after a successful install.</extracomment>
        <translation>설치 완료: 설치 프로그램을 종료합니다</translation>
    </message>
    <message>
        <source>Terminates the installer window</source>
        <extracomment>Screen-reader description of the Finish button.</extracomment>
        <translation>설치 프로그램을 종료합니다</translation>
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
        <translation>설치</translation>
    </message>
    <message>
        <source>Zorva Software End User License Agreement</source>
        <extracomment>The name of the licence agreement in the smart installer&apos;s licence notice.</extracomment>
        <translation>Zorva 소프트웨어 최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Button: goes on with the parent installer without installing the drivers.</extracomment>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Skip this step and do not install this component.</source>
        <extracomment>Tooltip of the Skip button.</extracomment>
        <translation>이 단계를 건너뛰고 이 구성 요소를 설치하지 않습니다.</translation>
    </message>
    <message>
        <source>DisplaySmartInstallerEula</source>
        <extracomment>Screen-reader name of the smart installer&apos;s licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Zorva 소프트웨어 최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>displays Smart Installer End User License Agreement</source>
        <extracomment>Screen-reader description of the smart installer&apos;s licence notice.</extracomment>
        <translation>Zorva 소프트웨어 최종 사용자 사용권 계약을 표시합니다</translation>
    </message>
    <message>
        <source>SmartInstallerCancelInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Cancel button: its caption.</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Terminates Smart Installer Installation window</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Cancel button.</extracomment>
        <translation>설치를 취소할지 묻습니다</translation>
    </message>
    <message>
        <source>SmartInstallerSkipInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Skip button: its caption.</extracomment>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Installation will be skipped and won&apos;t install any component</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Skip button.</extracomment>
        <translation>구성 요소를 설치하지 않고 이 단계를 건너뜁니다</translation>
    </message>
    <message>
        <source>SmartInstallerInstallButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Install button: its caption.</extracomment>
        <translation>설치</translation>
    </message>
    <message>
        <source>Selected Smart Installer components will be Installed</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Install button.</extracomment>
        <translation>선택한 구성 요소를 설치합니다</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the uninstaller (after asking).</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Clicking uninstall will remove Zorva Chipset Drivers from your system.</source>
        <extracomment>The notice beside the Uninstall button.</extracomment>
        <translation>[제거]를 클릭하면 시스템에서 Zorva 칩셋 드라이버가 제거됩니다.</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <extracomment>Button: removes the selected drivers.</extracomment>
        <translation>제거</translation>
    </message>
    <message>
        <source>Uninstalling Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are removed.</extracomment>
        <translation>Zorva 칩셋 드라이버를 제거하는 중...</translation>
    </message>
    <message>
        <source>CancelUninstallation</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Cancel button: its caption.</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>Terminates uninstallation screen</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Cancel button.</extracomment>
        <translation>제거를 취소할지 묻습니다</translation>
    </message>
    <message>
        <source>ComponentUninstall</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Uninstall button: its caption.</extracomment>
        <translation>제거</translation>
    </message>
    <message>
        <source>Selected componets will be Uninstalled</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Uninstall button.</extracomment>
        <translation>선택한 구성 요소를 제거합니다</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Software Installer</source>
        <extracomment>The product&apos;s title as the child of another installer, under the maker&apos;s name Zorva.</extracomment>
        <translation>소프트웨어 설치 관리자</translation>
    </message>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>칩셋 소프트웨어 설치 관리자</translation>
    </message>
</context>
</TS>
