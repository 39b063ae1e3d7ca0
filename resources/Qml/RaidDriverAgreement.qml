import QtQuick 2.12

// The licence agreement of the RAID driver.
Agreement {
    strTitle: "Zorva RAID Driver End User License Agreement"
    strIntroduction: "This End User License Agreement (\"Agreement\") governs your use of the Zorva RAID driver and its management utilities (the \"RAID Software\") supplied by Zorva Devices Ltd. (\"Zorva\"). By installing or using the RAID Software you accept this Agreement. If you do not accept it, do not install or use the RAID Software."
    iExportSection: 5
    strExportAddress: "https://www.zorva.example/legal/export-compliance"
    lstSections: [
        {
            "heading": "1. Definitions",
            "body": "\"RAID Controller\" means a storage controller of a Zorva chipset that can combine several drives into one logical volume. \"Volume\" means a logical drive that the RAID Software creates or manages."
        },
        {
            "heading": "2. License",
            "body": "Zorva grants you a non-exclusive, non-transferable license to install and use the RAID Software on computer systems that contain a RAID Controller, for the purpose of operating that controller and the Volumes attached to it."
        },
        {
            "heading": "3. Restrictions",
            "body": "You may not modify, reverse engineer, decompile or disassemble the RAID Software, except to the extent that applicable law expressly permits it, and you may not distribute, rent, lease or sublicense the RAID Software to any third party."
        },
        {
            "heading": "4. Data and Backups",
            "body": "Creating, migrating or deleting a Volume can destroy the data on the drives involved. You are solely responsible for backing up your data before you use the RAID Software, and Zorva is not responsible for any loss of data."
        },
        {
            "heading": "5. Ownership",
            "body": "The RAID Software is licensed, not sold. Zorva and its suppliers keep all title and intellectual property rights in the RAID Software and in every copy of it."
        },
        {
            "heading": "6. Export",
            "body": "The RAID Software is subject to export control laws and regulations. You agree not to export or re-export it in violation of those laws, or to any country, entity or person to whom they forbid its export. The export classification of the RAID Software is published at %1."
        },
        {
            "heading": "7. Termination",
            "body": "Your license ends automatically if you breach this Agreement. You must then stop using the RAID Software and destroy all copies of it."
        },
        {
            "heading": "8. Disclaimer and Limitation of Liability",
            "body": "The RAID Software is provided \"as is\", without warranty of any kind, express or implied. To the maximum extent permitted by applicable law, Zorva shall not be liable for any damages arising from the use of or the inability to use the RAID Software, including the loss of data stored on any Volume."
        },
        {
            "heading": "9. General",
            "body": "This Agreement is governed by the laws of the country in which Zorva Devices Ltd. has its registered office. It is the entire agreement between you and Zorva concerning the RAID Software, and if any part of it is held unenforceable, the rest remains in effect."
        }
    ]
}
