<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CancelWindow</name>
    <message>
        <source>Cancel Installation</source>
        <extracomment>The quit confirmation&apos;s heading.</extracomment>
        <translation>Annuler l&apos;installation</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Answers the quit confirmation: go on with the installation.</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes, Quit</source>
        <extracomment>Answers the quit confirmation: end the installer.</extracomment>
        <translation>Oui, quitter</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the %1 ?</source>
        <extracomment>The quit confirmation&apos;s question. %1 is the product, &quot;Zorva Chipset Software Installer&quot; or &quot;Zorva Software Installer&quot;.</extracomment>
        <translation>Voulez-vous vraiment quitter le %1&#xa0;?</translation>
    </message>
    <message>
        <source>noButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s No button: its caption.</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Doesn&apos;t terminate installer</source>
        <extracomment>Screen-reader description of the No button of the quit confirmation.</extracomment>
        <translation>Poursuit l&apos;installation sans quitter le programme d&apos;installation</translation>
    </message>
    <message>
        <source>yesButton</source>
        <extracomment>Screen-reader name of the quit confirmation&apos;s &quot;Yes, Quit&quot; button: its caption.</extracomment>
        <translation>Oui, quitter</translation>
    </message>
    <message>
        <source>Terminates installer window</source>
        <extracomment>Screen-reader description of the &quot;Yes, Quit&quot; button of the quit confirmation.</extracomment>
        <translation>Quitte le programme d&apos;installation</translation>
    </message>
</context>
<context>
    <name>CarouselImage</name>
    <message>
        <source>OpenZorvaWebsite</source>
        <extracomment>Screen-reader name of the promotional image, which opens its web page during a run.</extracomment>
        <translation>Ouvrir le site web de Zorva</translation>
    </message>
    <message>
        <source>Will open the Zorva website on click</source>
        <extracomment>Screen-reader description of the promotional image.</extracomment>
        <translation>Ouvre le site web de Zorva lorsque vous cliquez</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>Version %1</source>
        <extracomment>A driver&apos;s version on its tile; %1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>Drivers</name>
    <message>
        <source>Zorva SQP Driver</source>
        <translation>Pilote SQP Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SQP Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote SQP Zorva</translation>
    </message>
    <message>
        <source>Zorva PCI Device Driver</source>
        <translation>Pilote de périphérique PCI Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PCI Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote PCI Zorva</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver</source>
        <translation>Pilote GPIO Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO2 Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote GPIO2 Zorva</translation>
    </message>
    <message>
        <source>Zorva I2C Driver</source>
        <translation>Pilote I2C Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva I2C Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote I2C Zorva</translation>
    </message>
    <message>
        <source>NULL Driver for Zorva IOMMU Devices</source>
        <translation>Pilote NULL pour les périphériques IOMMU Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall NULL Driver for Zorva IOMMU Devices</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote NULL pour les périphériques IOMMU Zorva</translation>
    </message>
    <message>
        <source>Zorva UART Driver</source>
        <translation>Pilote UART Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva UART Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote UART Zorva</translation>
    </message>
    <message>
        <source>Zorva PSHED Driver</source>
        <translation>Pilote PSHED Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva PSHED Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote PSHED Zorva</translation>
    </message>
    <message>
        <source>Zorva GPIO Driver (for Carrowind)</source>
        <translation>Pilote GPIO Zorva (pour Carrowind)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva GPIO Driver (for Carrowind)</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote GPIO Zorva (pour Carrowind)</translation>
    </message>
    <message>
        <source>Zorva Quill Power Plan</source>
        <translation>Mode de gestion de l&apos;alimentation Zorva Quill</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quill Power Plan</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Mode de gestion de l&apos;alimentation Zorva Quill</translation>
    </message>
    <message>
        <source>Zorva Quickwake Technology ACPI Driver</source>
        <translation>Pilote ACPI Zorva Quickwake Technology</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Quickwake Technology ACPI Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote ACPI Zorva Quickwake Technology</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver</source>
        <translation>Pilote de contrôleur USB3.0 Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall USB3.0 Controller Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote de contrôleur USB3.0</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>Pilote de contrôleur USB3.1 Zorva (pour Carrowind)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver(for Carrowind)</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote de contrôleur USB3.1 Zorva (pour Carrowind)</translation>
    </message>
    <message>
        <source>Zorva SATA Controller Driver</source>
        <translation>Pilote de contrôleur SATA Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SATA Controller Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote de contrôleur SATA Zorva</translation>
    </message>
    <message>
        <source>Zorva SRH KMDF I2C Driver</source>
        <translation>Pilote I2C KMDF SRH Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SRH KMDF I2C Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote I2C KMDF SRH Zorva</translation>
    </message>
    <message>
        <source>Zorva Sensor Relay Hub Driver</source>
        <translation>Pilote Zorva Sensor Relay Hub</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Sensor Relay Hub Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote Zorva Sensor Relay Hub</translation>
    </message>
    <message>
        <source>Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>Pilote de contrôleur USB3.0 Zorva (pour Merrow)</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.0 Controller Driver(for Merrow)</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote de contrôleur USB3.0 Zorva (pour Merrow)</translation>
    </message>
    <message>
        <source>Zorva SMBus Driver</source>
        <translation>Pilote SMBus Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMBus Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote SMBus Zorva</translation>
    </message>
    <message>
        <source>Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>Pilote RAID SATA compatible AHCI Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva AHCI Compatible SATA RAID Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote RAID SATA compatible AHCI Zorva</translation>
    </message>
    <message>
        <source>Zorva RAIDWarden2 Utility</source>
        <translation>Utilitaire Zorva RAIDWarden2</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva RAIDWarden2 Utility</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Utilitaire Zorva RAIDWarden2</translation>
    </message>
    <message>
        <source>Zorva USB Filter Driver</source>
        <translation>Pilote de filtre USB Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB Filter Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote de filtre USB Zorva</translation>
    </message>
    <message>
        <source>Zorva Consumer Infrared Driver</source>
        <translation>Pilote infrarouge grand public Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Consumer Infrared Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote infrarouge grand public Zorva</translation>
    </message>
    <message>
        <source>Zorva CXP Driver</source>
        <translation>Pilote CXP Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva CXP Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote CXP Zorva</translation>
    </message>
    <message>
        <source>Zorva SPI Driver</source>
        <translation>Pilote SPI Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SPI Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote SPI Zorva</translation>
    </message>
    <message>
        <source>Zorva Graphics Driver</source>
        <translation>Pilote graphique Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Graphics Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote graphique Zorva</translation>
    </message>
    <message>
        <source>Zorva VK_RAID Driver</source>
        <translation>Pilote VK_RAID Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva VK_RAID Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote VK_RAID Zorva</translation>
    </message>
    <message>
        <source>Zorva VK_RAIDWarden2 Utility</source>
        <translation>Utilitaire Zorva VK_RAIDWarden2</translation>
    </message>
    <message>
        <source>Zorva MicroPEP Driver</source>
        <translation>Pilote MicroPEP Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva MicroPEP Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote MicroPEP Zorva</translation>
    </message>
    <message>
        <source>Zorva USB3.1 Controller Driver</source>
        <translation>Pilote de contrôleur USB3.1 Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva USB3.1 Controller Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote de contrôleur USB3.1 Zorva</translation>
    </message>
    <message>
        <source>Zorva Gigabit Ethernet Driver</source>
        <translation>Pilote Gigabit Ethernet Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva Gigabit Ethernet Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote Gigabit Ethernet Zorva</translation>
    </message>
    <message>
        <source>Zorva SMF Driver</source>
        <translation>Pilote SMF Zorva</translation>
    </message>
    <message>
        <source>Setup will install/uninstall Zorva SMF Driver</source>
        <translation>Le programme d&apos;installation installe ou désinstalle&#xa0;: Pilote SMF Zorva</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Unable to Install Zorva Chipset Drivers.</source>
        <translation>Impossible d&apos;installer les pilotes de jeu de puces Zorva.</translation>
    </message>
    <message>
        <source>There are no uninstallable drivers found.</source>
        <translation>Aucun pilote pouvant être désinstallé n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>System configuration is not compatible for RAID drivers or applications installation.</source>
        <translation>La configuration du système n&apos;est pas compatible avec l&apos;installation de pilotes ou d&apos;applications RAID.</translation>
    </message>
    <message>
        <source>A System Update is required to complete the installation.</source>
        <translation>Une mise à jour du système est nécessaire pour terminer l&apos;installation.</translation>
    </message>
    <message>
        <source>Zorva Chipset Drivers were not found.</source>
        <translation>Les pilotes de jeu de puces Zorva sont introuvables.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which has nothing to do on this computer.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>ErrorWindowCloseButton</source>
        <extracomment>Screen-reader name of the error panel&apos;s Close button: its caption.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Terminates Error Window</source>
        <extracomment>Screen-reader description of the error panel&apos;s Close button.</extracomment>
        <translation>Ferme le message d&apos;erreur et quitte le programme d&apos;installation</translation>
    </message>
    <message>
        <source>The system drive cannot be used: %1.</source>
        <translation>Impossible d&apos;utiliser le lecteur système : %1.</translation>
    </message>
    <message>
        <source>The log folder %1 cannot be written: %2.</source>
        <translation>Impossible d&apos;écrire dans le dossier des journaux %1 : %2.</translation>
    </message>
    <message>
        <source>The registry value %1 cannot be written: %2.</source>
        <translation>Impossible d&apos;écrire la valeur de Registre %1 : %2.</translation>
    </message>
    <message>
        <source>Hardware detection could not finish: %1.</source>
        <translation>La détection du matériel n&apos;a pas pu aboutir : %1.</translation>
    </message>
    <message>
        <source>Unable to Uninstall Zorva Chipset Drivers.</source>
        <translation>Impossible de désinstaller les pilotes de jeu de puces Zorva.</translation>
    </message>
    <message>
        <source>Nothing has been changed on this machine.</source>
        <translation>Rien n&apos;a été modifié sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>Eula</name>
    <message>
        <source>Done</source>
        <extracomment>Button: leaves the licence page for the install page.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>These license agreements are available in English only. Their English text is the legally binding version.</source>
        <extracomment>Above the licence agreements, which are shown in English in every language of the installer.</extracomment>
        <translation>Ces contrats de licence ne sont disponibles qu&apos;en anglais. Seul leur texte anglais fait foi.</translation>
    </message>
    <message>
        <source>EulaAccepted </source>
        <extracomment>Screen-reader name of the licence page&apos;s Done button: its caption.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>EULA is accepted</source>
        <extracomment>Screen-reader description of the licence page&apos;s Done button.</extracomment>
        <translation>Revient au choix des pilotes après la lecture du contrat de licence</translation>
    </message>
</context>
<context>
    <name>Header</name>
    <message>
        <source>Minimize</source>
        <extracomment>Tooltip of the title bar&apos;s button that minimizes the window.</extracomment>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Tooltip of the title bar&apos;s button that closes the window.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>ZorvaLogo</source>
        <extracomment>Screen-reader name of the maker&apos;s logo in the title bar, a link to its web site.</extracomment>
        <translation>Logo Zorva</translation>
    </message>
    <message>
        <source>Opens the Zorva web site in the default browser</source>
        <extracomment>Screen-reader description of the maker&apos;s logo in the title bar.</extracomment>
        <translation>Ouvre le site web de Zorva dans le navigateur par défaut</translation>
    </message>
    <message>
        <source>minimizeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Minimize button: its tooltip.</extracomment>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>shrinks installer window to taskbar</source>
        <extracomment>Screen-reader description of the title bar&apos;s Minimize button.</extracomment>
        <translation>Réduit le programme d&apos;installation dans la barre des tâches</translation>
    </message>
    <message>
        <source>closeButton</source>
        <extracomment>Screen-reader name of the title bar&apos;s Close button: its tooltip.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>terminates installer</source>
        <extracomment>Screen-reader description of the title bar&apos;s Close button.</extracomment>
        <translation>Quitte le programme d&apos;installation</translation>
    </message>
</context>
<context>
    <name>ImageSettings</name>
    <message>
        <source>Brisk Storage Boost tunes every storage controller on your Zorva chipset for faster start-up and smoother file transfers.</source>
        <translation>Brisk Storage Boost optimise chaque contrôleur de stockage de votre jeu de puces Zorva pour un démarrage plus rapide et des transferts de fichiers plus fluides.</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Installing Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are installed.</extracomment>
        <translation>Installation des pilotes de jeu de puces Zorva...</translation>
    </message>
</context>
<context>
    <name>InstallFooter</name>
    <message>
        <source>Install</source>
        <extracomment>Button: installs the selected drivers.</extracomment>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Zorva Chipset Driver End User License Agreement</source>
        <extracomment>The name of the chipset drivers&apos; licence agreement, in the licence notice.</extracomment>
        <translation>contrat de licence utilisateur final des pilotes de jeu de puces Zorva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>CancelButton</source>
        <extracomment>Screen-reader name of the install page&apos;s Cancel button: its caption.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>shows cancel window pop-up</source>
        <extracomment>Screen-reader description of the install page&apos;s Cancel button.</extracomment>
        <translation>Demande si l&apos;installation doit être annulée</translation>
    </message>
    <message>
        <source>DisplayEula</source>
        <extracomment>Screen-reader name of the licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Contrat de licence utilisateur final des pilotes de jeu de puces Zorva</translation>
    </message>
    <message>
        <source>displays Chipset Driver End User License Agreement</source>
        <extracomment>Screen-reader description of the licence notice.</extracomment>
        <translation>Affiche le contrat de licence utilisateur final des pilotes de jeu de puces</translation>
    </message>
    <message>
        <source>ComponentInstallation</source>
        <extracomment>Screen-reader name of the install page&apos;s Install button: its caption.</extracomment>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Setup will Install the selected components from the window</source>
        <extracomment>Screen-reader description of the install page&apos;s Install button.</extracomment>
        <translation>Le programme d&apos;installation installe les composants sélectionnés</translation>
    </message>
</context>
<context>
    <name>InstallerWindow</name>
    <message>
        <source>Zorva %1</source>
        <extracomment>The product&apos;s name, in the window&apos;s title and the quit confirmation. %1 is the title, &quot;Chipset Software Installer&quot; or &quot;Software Installer&quot;; Zorva is the maker.</extracomment>
        <translation>%1 Zorva</translation>
    </message>
</context>
<context>
    <name>LicenceNotice</name>
    <message>
        <source>By clicking &quot;%1&quot; and installing this software, you are agreeing to all the terms and conditions stated in the %2.</source>
        <extracomment>The licence notice beside the Install button. %1 is that button&apos;s caption, %2 the name of the licence agreement, which the user clicks to read it. Use your language&apos;s quotation marks around %1.</extracomment>
        <translation>En cliquant sur «&#xa0;%1&#xa0;» et en installant ce logiciel, vous acceptez l&apos;ensemble des conditions générales énoncées dans le %2.</translation>
    </message>
</context>
<context>
    <name>LoadingPage</name>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>Programme d&apos;installation du logiciel de jeu de puces</translation>
    </message>
    <message>
        <source>Unable to allocate memory. Kindly restart your machine.</source>
        <translation>Mémoire insuffisante. Redémarrez votre ordinateur.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops the installer while it checks the hardware.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Checking your PC&apos;s hardware for driver compatibility...</source>
        <translation>Vérification de la compatibilité du matériel de votre PC avec les pilotes...</translation>
    </message>
    <message>
        <source>Another instance is running. Please close already running instance.</source>
        <translation>Le programme d&apos;installation est déjà en cours d&apos;exécution. Fermez d&apos;abord l&apos;instance en cours.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer, which cannot go on.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>CancelInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Cancel button: its caption.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Installation is canceled</source>
        <extracomment>Screen-reader description of the loading page&apos;s Cancel button.</extracomment>
        <translation>Annule l&apos;installation</translation>
    </message>
    <message>
        <source>CloseInstallationButton</source>
        <extracomment>Screen-reader name of the loading page&apos;s Close button: its caption.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Terminates Installation window</source>
        <extracomment>Screen-reader description of the loading page&apos;s Close button.</extracomment>
        <translation>Quitte le programme d&apos;installation</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>Zorva Chipset Software installation failed.</source>
        <translation>L&apos;installation du logiciel de jeu de puces Zorva a échoué.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software installed successfully.</source>
        <translation>Le logiciel de jeu de puces Zorva a été installé.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have not been uninstalled.</source>
        <translation>Le logiciel de jeu de puces Zorva sélectionné n&apos;a pas été désinstallé.</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software have been uninstalled.</source>
        <translation>Le logiciel de jeu de puces Zorva sélectionné a été désinstallé.</translation>
    </message>
    <message>
        <source>View Installation Log.</source>
        <translation>afficher le journal d&apos;installation</translation>
    </message>
    <message>
        <source>View Uninstallation Log.</source>
        <translation>afficher le journal de désinstallation</translation>
    </message>
    <message>
        <source>The selected Zorva Chipset Software uninstallation failed.</source>
        <translation>La désinstallation du logiciel de jeu de puces Zorva sélectionné a échoué.</translation>
    </message>
    <message>
        <source>Zorva Chipset Software have been successfully uninstalled.</source>
        <translation>Le logiciel de jeu de puces Zorva a été désinstallé.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Button: ends the installer (after a run, with or without success).</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>Button: restarts the computer to complete the installation.</extracomment>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Finish</source>
        <extracomment>Button: ends the uninstaller after a successful removal.</extracomment>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Click to %1</source>
        <extracomment>The line that opens the run&apos;s log; %1 is the link, &quot;View Installation Log.&quot; or &quot;View Uninstallation Log.&quot;, which is underlined.</extracomment>
        <translation>Cliquez pour %1.</translation>
    </message>
    <message>
        <source>ViewInstallationLog</source>
        <extracomment>Screen-reader name of the link to the install log: the link&apos;s text.</extracomment>
        <translation>Afficher le journal d&apos;installation</translation>
    </message>
    <message>
        <source>ViewUninstallationLog</source>
        <extracomment>Screen-reader name of the link to the uninstall log: the link&apos;s text.</extracomment>
        <translation>Afficher le journal de désinstallation</translation>
    </message>
    <message>
        <source>Will open Installation log file</source>
        <extracomment>Screen-reader description of the link to the install log.</extracomment>
        <translation>Ouvre le fichier journal de l&apos;installation</translation>
    </message>
    <message>
        <source>Will open Uninstallation log file</source>
        <extracomment>Screen-reader description of the link to the uninstall log.</extracomment>
        <translation>Ouvre le fichier journal de la désinstallation</translation>
    </message>
    <message>
        <source>CloseMessageWindowFailure</source>
        <extracomment>Screen-reader name of the Close button after a failed run: its caption.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Terminate Installer Window on failure</source>
        <extracomment>Screen-reader description of the Close button after a failed run.</extracomment>
        <translation>Quitte le programme d&apos;installation après l&apos;échec</translation>
    </message>
    <message>
        <source>CloseMessageWindowSuccess</source>
        <extracomment>Screen-reader name of the Close button beside Restart: its caption.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Terminate Installer Window on success</source>
        <extracomment>Screen-reader description of the Close button beside Restart.</extracomment>
        <translation>Quitte le programme d&apos;installation sans redémarrer l&apos;ordinateur</translation>
    </message>
    <message>
        <source>SystemRestart</source>
        <extracomment>Screen-reader name of the Restart button: its caption.</extracomment>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Installation completed, Restart system</source>
        <extracomment>Screen-reader description of the Restart button.</extracomment>
        <translation>Installation terminée&#xa0;: redémarre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>CloseInstallationWindow</source>
        <extracomment>Screen-reader name of the Close button after a successful install: its caption.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Finish Uninstallation</source>
        <extracomment>Screen-reader name of the Finish button after a removal: its caption.</extracomment>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Installation completed, Close Installation window</source>
        <extracomment>Screen-reader description of the Close button after a successful install.</extracomment>
        <translation>Installation terminée&#xa0;: quitte le programme d&apos;installation</translation>
    </message>
    <message>
        <source>Terminates the installer window</source>
        <extracomment>Screen-reader description of the Finish button.</extracomment>
        <translation>Quitte le programme d&apos;installation</translation>
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
        <translation>Installer</translation>
    </message>
    <message>
        <source>Zorva Software End User License Agreement</source>
        <extracomment>The name of the licence agreement in the smart installer&apos;s licence notice.</extracomment>
        <translation>contrat de licence utilisateur final des logiciels Zorva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the installer (after asking).</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Button: goes on with the parent installer without installing the drivers.</extracomment>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Skip this step and do not install this component.</source>
        <extracomment>Tooltip of the Skip button.</extracomment>
        <translation>Ignorer cette étape et ne pas installer ce composant.</translation>
    </message>
    <message>
        <source>DisplaySmartInstallerEula</source>
        <extracomment>Screen-reader name of the smart installer&apos;s licence notice, which opens the licence agreement: the agreement&apos;s name.</extracomment>
        <translation>Contrat de licence utilisateur final des logiciels Zorva</translation>
    </message>
    <message>
        <source>displays Smart Installer End User License Agreement</source>
        <extracomment>Screen-reader description of the smart installer&apos;s licence notice.</extracomment>
        <translation>Affiche le contrat de licence utilisateur final des logiciels Zorva</translation>
    </message>
    <message>
        <source>SmartInstallerCancelInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Cancel button: its caption.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Terminates Smart Installer Installation window</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Cancel button.</extracomment>
        <translation>Demande si l&apos;installation doit être annulée</translation>
    </message>
    <message>
        <source>SmartInstallerSkipInstallationButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Skip button: its caption.</extracomment>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Installation will be skipped and won&apos;t install any component</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Skip button.</extracomment>
        <translation>Ignore cette étape sans installer aucun composant</translation>
    </message>
    <message>
        <source>SmartInstallerInstallButton</source>
        <extracomment>Screen-reader name of the smart installer&apos;s Install button: its caption.</extracomment>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Selected Smart Installer components will be Installed</source>
        <extracomment>Screen-reader description of the smart installer&apos;s Install button.</extracomment>
        <translation>Installe les composants sélectionnés</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Cancel</source>
        <extracomment>Button: leaves the uninstaller (after asking).</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Clicking uninstall will remove Zorva Chipset Drivers from your system.</source>
        <extracomment>The notice beside the Uninstall button.</extracomment>
        <translation>Un clic sur «&#xa0;Désinstaller&#xa0;» supprime les pilotes de jeu de puces Zorva de votre système.</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <extracomment>Button: removes the selected drivers.</extracomment>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Uninstalling Zorva Chipset Drivers...</source>
        <extracomment>Below the progress bar while the drivers are removed.</extracomment>
        <translation>Désinstallation des pilotes de jeu de puces Zorva...</translation>
    </message>
    <message>
        <source>CancelUninstallation</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Cancel button: its caption.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Terminates uninstallation screen</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Cancel button.</extracomment>
        <translation>Demande si la désinstallation doit être annulée</translation>
    </message>
    <message>
        <source>ComponentUninstall</source>
        <extracomment>Screen-reader name of the uninstall page&apos;s Uninstall button: its caption.</extracomment>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Selected componets will be Uninstalled</source>
        <extracomment>Screen-reader description of the uninstall page&apos;s Uninstall button.</extracomment>
        <translation>Désinstalle les composants sélectionnés</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Software Installer</source>
        <extracomment>The product&apos;s title as the child of another installer, under the maker&apos;s name Zorva.</extracomment>
        <translation>Programme d&apos;installation de logiciels</translation>
    </message>
    <message>
        <source>Chipset Software Installer</source>
        <extracomment>The product&apos;s title, under the maker&apos;s name Zorva.</extracomment>
        <translation>Programme d&apos;installation du logiciel de jeu de puces</translation>
    </message>
</context>
</TS>
