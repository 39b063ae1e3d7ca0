<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel Installation</source>
        <extracomment>The quit confirmation&apos;s heading.</extracomment>
        <translation>インストールのキャンセル</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Answers the quit confirmation: go on with the installation.</extracomment>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes, Quit</source>
        <extracomment>Answers the quit confirmation: end the installer.</extracomment>
        <translation>はい、終了します</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the %1 ?</source>
        <extracomment>The quit confirmation&apos;s question. %1 is the product, &quot;Zorva Chipset Software Installer&quot; or &quot;Zorva Software Installer&quot;.</extracomment>
        <translation>%1 を終了してもよろしいですか?</translation>
    </message>
    <message>
        <source>noButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s No button: its caption.</extracomment>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Doesn&apos;t terminate installer</source>
        <extracomment>Screen-reader description of the No button of the quit confirmation.</extracomment>
        <translation>インストーラーを終了せずにインストールを続けます</translation>
    </message>
    <message>
        <source>yesButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s &quot;Yes, Quit&quot; button: its caption.</extracomment>
        <translation>はい、終了します</translation>
    </message>
    <message>
        <source>Terminates installer window</source>
        <extracomment>Screen-reader description of the &quot;Yes, Quit&quot; button of the quit confirmation.</extracomment>
        <translation>インストーラーを終了します</translation>
    </message>
</context>
<context>
    <name>CarouselImage</name>
    <message>
        <source>OpenZorvaWebsite</source>
        <extracomment>Screen-reader name of the promotional image, which opens its web page during a run.</extracomment>
        <translation>Zorva の Web サイトを開く</translation>
    </message>
    <message>
        <source>Will open the Zorva website on click</source>
        <extracomment>Screen-reader description of the promotional image.</extracomment>
        <translation>クリックすると Zorva の Web サイトを開きます</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>Version %1</source>
        <extracomment>A driver&apos;s version on its tile; %1 is the version number.</extracomment>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>Drivers</name>
    <message>
        <source>Zorva SQP Driver</source>
        <translation>Zorva SQP ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SQP Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva SQP ドライバー</translation>
    </message>
    <message>
        <source>Zorva PCI Device Driver</source>
        <translation>Zorva PCI デバイス ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PCI Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva PCI ドライバー</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver</source>
        <translation>Zorva GPIO ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO2 Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva GPIO2 ドライバー</translation>
    </message>
    <message>
        <source>Zorva I2C Driver</source>
        <translation>Zorva I2C ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva I2C Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva I2C ドライバー</translation>
    </message>
    <message>
        <source>NULL Driver for Zorva IOMMU Devices</source>
        <translation>Zorva IOMMU デバイス用 NULL ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall NULL Driver for Zorva IOMMU Devices</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva IOMMU デバイス用 NULL ドライバー</translation>
    </message>
    <message>
        <source>Zorva UART Driver</source>
        <translation>Zorva UART ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva UART Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva UART ドライバー</translation>
    </message>
    <message>
        <source>Zorva PSHED Driver</source>
        <translation>Zorva PSHED ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PSHED Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva PSHED ドライバー</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver (for Carrowind)</source>
        <translation>Zorva GPIO ドライバー (Carrowind 用)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO Driver (for Carrowind)</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva GPIO ドライバー (Carrowind 用)</translation>
    </message>
    <message>
        <source>Zorva Quill Power Plan</source>
        <translation>Zorva Quill 電源プラン</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quill Power Plan</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva Quill 電源プラン</translation>
    </message>
    <message>
        <source>Zorva Quickwake Technology ACPI Driver</source>
        <translation>Zorva Quickwake Technology ACPI ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quickwake Technology ACPI Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva Quickwake Technology ACPI ドライバー</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver</source>
        <translation>Zorva USB3.0 コントローラー ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall USB3.0 Controller Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: USB3.0 コントローラー ドライバー</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>Zorva USB3.1 コントローラー ドライバー (Carrowind 用)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva USB3.1 コントローラー ドライバー (Carrowind 用)</translation>
    </message>
    <message>
        <source>Zorva SATA Controller Driver</source>
        <translation>Zorva SATA コントローラー ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SATA Controller Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva SATA コントローラー ドライバー</translation>
    </message>
    <message>
        <source>Zorva SRH KMDF I2C Driver</source>
        <translation>Zorva SRH KMDF I2C ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SRH KMDF I2C Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva SRH KMDF I2C ドライバー</translation>
    </message>
    <message>
        <source>Zorva Sensor Relay Hub Driver</source>
        <translation>Zorva Sensor Relay Hub ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Sensor Relay Hub Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva Sensor Relay Hub ドライバー</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>Zorva USB3.0 コントローラー ドライバー (Merrow 用)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva USB3.0 コントローラー ドライバー (Merrow 用)</translation>
    </message>
    <message>
        <source>Zorva SMBus Driver</source>
        <translation>Zorva SMBus ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMBus Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva SMBus ドライバー</translation>
    </message>
    <message>
        <source>Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>Zorva AHCI 互換 SATA RAID ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva AHCI 互換 SATA RAID ドライバー</translation>
    </message>
    <message>
        <source>Zorva RAIDWarden2 Utility</source>
        <translation>Zorva RAIDWarden2 ユーティリティ</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva RAIDWarden2 Utility</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva RAIDWarden2 ユーティリティ</translation>
    </message>
    <message>
        <source>Zorva USB Filter Driver</source>
        <translation>Zorva USB フィルター ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB Filter Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva USB フィルター ドライバー</translation>
    </message>
    <message>
        <source>Zorva Consumer Infrared Driver</source>
        <translation>Zorva コンシューマー赤外線ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Consumer Infrared Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva コンシューマー赤外線ドライバー</translation>
    </message>
    <message>
        <source>Zorva CXP Driver</source>
        <translation>Zorva CXP ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva CXP Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva CXP ドライバー</translation>
    </message>
    <message>
        <source>Zorva SPI Driver</source>
        <translation>Zorva SPI ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SPI Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva SPI ドライバー</translation>
    </message>
    <message>
        <source>Zorva Graphics Driver</source>
        <translation>Zorva グラフィックス ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Graphics Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva グラフィックス ドライバー</translation>
    </message>
    <message>
        <source>Zorva VK_RAID Driver</source>
        <translation>Zorva VK_RAID ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva VK_RAID Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva VK_RAID ドライバー</translation>
    </message>
    <message>
        <source>Zorva VK_RAIDWarden2 Utility</source>
        <translation>Zorva VK_RAIDWarden2 ユーティリティ</translation>
    </message>
    <message>
        <source>Zorva MicroPEP Driver</source>
        <translation>Zorva MicroPEP ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva MicroPEP Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva MicroPEP ドライバー</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver</source>
        <translation>Zorva USB3.1 コントローラー ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva USB3.1 コントローラー ドライバー</translation>
    </message>
    <message>
        <source>Zorva Gigabit Ethernet Driver</source>
        <translation>Zorva ギガビット イーサネット ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Gigabit Ethernet Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva ギガビット イーサネット ドライバー</translation>
    </message>
    <message>
        <source>Zorva SMF Driver</source>
        <translation>Zorva SMF ドライバー</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMF Driver</source>
        <translation>セットアップによるインストールまたはアンインストールの対象: Zorva SMF ドライバー</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Unable to Install Zorva Chipset Drivers.</source>
        <translation>Zorva チップセット ドライバーをインストールできません。</translation>
    </message>
    <message>
        <source>There are no uninstallable drivers found.</source>
        <translation>アンインストールできるドライバーが見つかりませんでした。</translation>
    </message>
    <message>
        <source>System configuration is not compatible for RAID drivers or applications installation.</source>
        <translation>システム構成は RAID ドライバーまたはアプリケーションのインストールに対応していません。</translation>
    </message>
    <message>
        <source>A System Update is required to complete the installation.</source>
        <translation>インストールを完了するには、システムの更新が必要です。</translation>
    </message>
    <message>
        <source>Zorva Chipset Drivers were not found.</source>
        <translation>Zorva チップセット ドライバーが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which has nothing to do on this computer.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>ErrorWindowCloseButton</source>
        <extracomment>Screen-reader name of the error panel&apos;s Close button: its caption.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Terminates Error Window</source>
        <extracomment>Screen-reader description of the error panel&apos;s Close button.</extracomment>
        <translation>エラー メッセージを閉じてインストーラーを終了します</translation>
    </message>
    <message>
        <source>The system drive cannot be used: %1.</source>
        <translation>システム ドライブを使用できません: %1。</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be written: %2.</source>
        <translation>ログ フォルダー %1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be written: %2.</source>
        <translation>レジストリ値 %1 を書き込めません: %2。</translation>
    </message>
    <message>
        <source>Hardware detection could not finish: %1.</source>
        <translation>ハードウェアの検出を完了できませんでした: %1。</translation>
    </message>
    <message>
        <source>Unable to Uninstall Zorva Chipset Drivers.</source>
        <translation>Zorva チップセット ドライバーをアンインストールできません。</translation>
    </message>
    <message>
        <source>Nothing has been changed on this machine.</source>
        <translation>このコンピューターでは何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>Eula</name>
    <message>
        <source>Done</source>
        <extracomment>Button: leaves the licence page for the install page.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>These license agreements are available in English only. Their English text is the legally binding version.</source>
        <extracomment>Above the licence agreements, which are shown in English in every language of the installer.</extracomment>
        <translation>これらの使用許諾契約書は英語版のみです。法的拘束力を持つのは英語の本文です。</translation>
    </message>
    <message>
        <source>EulaAccepted </source>
        <extracomment>Screen-reader name of the licence page&apos;s Done button: its caption.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>EULA is accepted</source>
        <extracomment>Screen-reader description of the licence page&apos;s Done button.</extracomment>
        <translation>使用許諾契約書を読んだ後、ドライバーの選択に戻ります</translation>
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
        <translation>閉じる</translation>
    </message>
    <message>
        <source>ZorvaLogo</source>
        <extracomment>Screen-reader name of the maker&apos;s logo in the title bar, a link to its web site.</extracomment>
        <translation>Zorva ロゴ</translation>
    </message>
    <message>
        <source>Opens the Zorva web site in the default browser</source>
        <extracomment>Screen-reader description of the maker&apos;s logo in the title bar.</extracomment>
        <translation>既定のブラウザーで Zorva の Web サイトを開きます</translation>
    </message>
    <message>
        <source>minimizeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Minimize button: its tooltip.</extracomment>
        <translation>最小化</translation>
    </message>
    <message>
        <source>shrinks installer window to taskbar</source>
        <extracomment>Screen-reader description of the title bar&apos;s Minimize button.</extracomment>
        <translation>インストーラーをタスク バーに最小化します</translation>
    </message>
    <message>
        <source>closeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Close button: its tooltip.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>terminates installer</source>
        <extracomment>Screen-reader description of the title bar&apos;s Close button.</extracomment>
        <translation>インストーラーを終了します</translation>
    </message>
</context>
<context>
    <name>ImageSettings</name>
    <message>
        <source>Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster start-up and smoother file transfers.</source>
        <translation>Brisk Storage Boost は、Zorva チップセットのすべてのストレージ コントローラーを調整し、起動を速く、ファイル転送をスムーズにします。</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Installing Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are installed.</extracomment>
        <translation>Zorva チップセット ドライバーをインストールしています...</translation>
    </message>
</context>
<context>
    <name>InstallFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Zorva Chipset Driver End User License Agreement</source>
        <extracomment>The name of the chipset drivers&apos; licence agreement, in the licence notice.</extracomment>
        <translation>Zorva チップセット ドライバー エンド ユーザー使用許諾契約書</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>CancelButton</source>
        <extracomment>Screen-reader name of the install page&apos;s Cancel button: its caption.</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>shows cancel window pop-up</source>
        <extracomment>Screen-reader description of the install page&apos;s Cancel button.</extracomment>
        <translation>インストールをキャンセルするかどうかを確認します</translation>
    </message>
    <message>
        <source>DisplayEula</source>
        <extracomment>Screen-reader name of the licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Zorva チップセット ドライバー エンド ユーザー使用許諾契約書</translation>
    </message>
    <message>
        <source>displays Chipset Driver End User License Agreement</source>
        <extracomment>Screen-reader description of the licence notice.</extracomment>
        <translation>チップセット ドライバーのエンド ユーザー使用許諾契約書を表示します</translation>
    </message>
    <message>
        <source>ComponentInstallation</source>
        <extracomment>Screen-reader name of the install page&apos;s Install button: its caption.</extracomment>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Setup will Install the selected components from the window</source>
        <extracomment>Screen-reader description of the install page&apos;s Install button.</extracomment>
        <translation>選択したコンポーネントをセットアップがインストールします</translation>
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
        <translation>[%1] をクリックしてこのソフトウェアをインストールすると、「%2」に記載されたすべての条件に同意したことになります。</translation>
    </message>
</context>
<context>
    <name>LoadingPage</name>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>チップセット ソフトウェア インストーラー</translation>
    </message>
    <message>
        <source>Unable to allocate memory. Kindly restart your machine.</source>
        <translation>メモリが不足しています。コンピューターを再起動してください。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops the installer while it checks the hardware.</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Checking your PC&apos;s hardware for driver compatibility...</source>
        <translation>PC のハードウェアとドライバーの互換性を確認しています...</translation>
    </message>
    <message>
        <source>Another instance is running. Please close already running instance.</source>
        <translation>インストーラーは既に実行中です。実行中のインスタンスを先に閉じてください。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which cannot go on.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>CancelInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Cancel button: its caption.</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Installation is canceled</source>
        <extracomment>Screen-reader description of the loading page&apos;s Cancel button.</extracomment>
        <translation>インストールをキャンセルします</translation>
    </message>
    <message>
        <source>CloseInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Close button: its caption.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Terminates Installation window</source>
        <extracomment>Screen-reader description of the loading page&apos;s Close button.</extracomment>
        <translation>インストーラーを終了します</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>Zorva Chipset Software installation failed.</source>
        <translation>Zorva チップセット ソフトウェアのインストールに失敗しました。</translation>
    </message>
    <message>
        <source>Zorva Chipset Software installed successfully.</source>
        <translation>Zorva チップセット ソフトウェアは正常にインストールされました。</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have not been uninstalled.</source>
        <translation>選択した Zorva チップセット ソフトウェアはアンインストールされませんでした。</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have been uninstalled.</source>
        <translation>選択した Zorva チップセット ソフトウェアをアンインストールしました。</translation>
    </message>
    <message>
        <source>View Installation Log.</source>
        <translation>インストール ログを表示します</translation>
    </message>
    <message>
        <source>View Uninstallation Log.</source>
        <translation>アンインストール ログを表示します</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software uninstallation failed.</source>
        <translation>選択した Zorva チップセット ソフトウェアのアンインストールに失敗しました。</translation>
    </message>
    <message>
        <source>Zorva Chipset Software have been successfully uninstalled.</source>
        <translation>Zorva チップセット ソフトウェアは正常にアンインストールされました。</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer (after a run, with or without success).</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restarts the computer to complete the installation.</extracomment>
        <translation>再起動</translation>
    </message>
    <message>
        <source>Finish</source>
        <extracomment>Button: ends the uninstaller after a successful removal.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>Click to %1</source>
        <extracomment>The line that opens the run&apos;s log; %1 is the link, &quot;View Installation Log.&quot; or &quot;View Uninstallation Log.&quot;, which is underlined.</extracomment>
        <translation>ここをクリックすると%1。</translation>
    </message>
    <message>
        <source>ViewInstallationLog</source>
        <extracomment>Screen-reader name of the link to the install log: the link&apos;s text.</extracomment>
        <translation>インストール ログの表示</translation>
    </message>
    <message>
        <source>ViewUninstallationLog</source>
        <extracomment>Screen-reader name of the link to the uninstall log: the link&apos;s text.</extracomment>
        <translation>アンインストール ログの表示</translation>
    </message>
    <message>
        <source>Will open Installation log file</source>
        <extracomment>Screen-reader description of the link to the install log.</extracomment>
        <translation>インストールのログ ファイルを開きます</translation>
    </message>
    <message>
        <source>Will open Uninstallation log file</source>
        <extracomment>Screen-reader description of the link to the uninstall log.</extracomment>
        <translation>アンインストールのログ ファイルを開きます</translation>
    </message>
    <message>
        <source>CloseMessageWindowFailure</source>
        <extracomment>Screen-reader name of the Close button after a failed run: its caption.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Terminate Installer Window on failure</source>
        <extracomment>Screen-reader description of the Close button after a failed run.</extracomment>
        <translation>失敗の後、インストーラーを終了します</translation>
    </message>
    <message>
        <source>CloseMessageWindowSuccess</source>
        <extracomment>Screen-reader name of the Close button beside Restart: its caption.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Terminate Installer Window on success</source>
        <extracomment>Screen-reader description of the Close button beside Restart.</extracomment>
        <translation>コンピューターを再起動せずにインストーラーを終了します</translation>
    </message>
    <message>
        <source>SystemRestart</source>
        <extracomment>Screen-reader name of the Restart button: its caption.</extracomment>
        <translation>再起動</translation>
    </message>
    <message>
        <source>Installation completed, Restart system</source>
        <extracomment>Screen-reader description of the Restart button.</extracomment>
        <translation>インストール完了: コンピューターを再起動します</translation>
    </message>
    <message>
        <source>CloseInstallationWindow</source>
        <extracomment>Screen-reader name of the Close button after a successful install: its caption.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Finish Uninstallation</source>
        <extracomment>Screen-reader name of the Finish button after a removal: its caption.</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>Installation completed, Close Installation window</source>
        <extracomment>Screen-reader description of the Close button after a successful install.</extracomment>
        <translation>インストール完了: インストーラーを終了します</translation>
    </message>
    <message>
        <source>Terminates the installer window</source>
        <extracomment>Screen-reader description of the Finish button.</extracomment>
        <translation>インストーラーを終了します</translation>
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
        <translation>インストール</translation>
    </message>
    <message>
        <source>Zorva Software End User License Agreement</source>
        <extracomment>The name of the licence agreement in the smart installer&apos;s licence notice.</extracomment>
        <translation>Zorva ソフトウェア エンド ユーザー使用許諾契約書</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Button: goes on with the parent installer without installing the drivers.</extracomment>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Skip this step and do not install this component.</source>
        <extracomment>Tooltip of the Skip button.</extracomment>
        <translation>この手順をスキップし、このコンポーネントをインストールしません。</translation>
    </message>
    <message>
        <source>DisplaySmartInstallerEula</source>
        <extracomment>Screen-reader name of the smart installer&apos;s licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Zorva ソフトウェア エンド ユーザー使用許諾契約書</translation>
    </message>
    <message>
        <source>displays Smart Installer End User License Agreement</source>
        <extracomment>Screen-reader description of the smart installer&apos;s licence notice.</extracomment>
        <translation>Zorva ソフトウェアのエンド ユーザー使用許諾契約書を表示します</translation>
    </message>
    <message>
        <source>SmartInstallerCancelInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Cancel button: its caption.</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Terminates Smart Installer Installation window</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Cancel button.</extracomment>
        <translation>インストールをキャンセルするかどうかを確認します</translation>
    </message>
    <message>
        <source>SmartInstallerSkipInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Skip button: its caption.</extracomment>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Installation will be skipped and won&apos;t install any component</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Skip button.</extracomment>
        <translation>コンポーネントをインストールせずにこの手順をスキップします</translation>
    </message>
    <message>
        <source>SmartInstallerInstallButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Install button: its caption.</extracomment>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Selected Smart Installer components will be Installed</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Install button.</extracomment>
        <translation>選択したコンポーネントをインストールします</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the uninstaller (after asking).</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Clicking uninstall will remove Zorva Chipset Drivers from your system.</source>
        <extracomment>The notice beside the Uninstall button.</extracomment>
        <translation>[アンインストール] をクリックすると、Zorva チップセット ドライバーがシステムから削除されます。</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <extracomment>Button: removes the selected drivers.</extracomment>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Uninstalling Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are removed.</extracomment>
        <translation>Zorva チップセット ドライバーをアンインストールしています...</translation>
    </message>
    <message>
        <source>CancelUninstallation</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Cancel button: its caption.</extracomment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Terminates uninstallation screen</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Cancel button.</extracomment>
        <translation>アンインストールをキャンセルするかどうかを確認します</translation>
    </message>
    <message>
        <source>ComponentUninstall</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Uninstall button: its caption.</extracomment>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Selected componets will be Uninstalled</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Uninstall button.</extracomment>
        <translation>選択したコンポーネントをアンインストールします</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Software Installer</source>
        <extracomment>The product&apos;s title as the child of another installer, under the maker&apos;s name Zorva.</extracomment>
        <translation>ソフトウェア インストーラー</translation>
    </message>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>チップセット ソフトウェア インストーラー</translation>
    </message>
</context>
</TS>
