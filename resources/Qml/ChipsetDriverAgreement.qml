import QtQuick 2.12

// The licence agreement of the chipset drivers.
Agreement {
    strTitle: "Zorva Chipset Driver End User License Agreement"
    strIntroduction: "This End User License Agreement (\"Agreement\") is a legal agreement between you (either an individual or a single entity) and Zorva Devices Ltd. (\"Zorva\") for the chipset driver software that accompanies it, together with any related documentation and updates (the \"Software\"). By installing, copying or otherwise using the Software, you agree to be bound by the terms of this Agreement. If you do not agree to these terms, do not install or use the Software."
    iExportSection: 7
    strExportAddress: "https://www.zorva.example/legal/export-compliance"
    lstSections: [
        {
            "heading": "1. Definitions",
            "body": "\"Zorva Hardware\" means a computer system or component that contains a chipset designed and manufactured by Zorva. \"Driver\" means a software component of the Software that enables an operating system to communicate with Zorva Hardware. \"Documentation\" means the printed or electronic user information that Zorva provides with the Software."
        },
        {
            "heading": "2. Grant of License",
            "body": "Subject to the terms of this Agreement, Zorva grants you a non-exclusive, non-transferable, royalty-free license to install and use the Software in object code form, solely on computer systems that contain Zorva Hardware, and to make one copy of the Software for backup or archival purposes."
        },
        {
            "heading": "3. Restrictions",
            "body": "You may not copy, modify, adapt, translate or create derivative works of the Software except as this Agreement expressly allows. You may not reverse engineer, decompile or disassemble the Software, except and only to the extent that applicable law expressly permits it despite this limitation. You may not rent, lease, lend, sell or sublicense the Software, or remove any proprietary notice from it."
        },
        {
            "heading": "4. Ownership",
            "body": "The Software is licensed, not sold. Zorva and its suppliers retain all right, title and interest in and to the Software, including all copyrights, patents, trade secrets, trademarks and other intellectual property rights. All rights not expressly granted to you in this Agreement are reserved by Zorva."
        },
        {
            "heading": "5. Updates",
            "body": "Zorva may, at its discretion, provide updates, fixes or new versions of the Software. Unless they come with terms of their own, such updates are part of the Software and are governed by this Agreement. Zorva is under no obligation to provide any update."
        },
        {
            "heading": "6. Support",
            "body": "Zorva is not obliged to provide technical support for the Software. Any support that Zorva chooses to provide is given on an \"as is\" basis and may be changed or discontinued at any time without notice."
        },
        {
            "heading": "7. Confidentiality",
            "body": "The Software contains trade secrets of Zorva. You agree to hold the Software in confidence, to take reasonable care to prevent its disclosure to third parties, and not to use any information obtained from the Software to develop software or hardware that competes with Zorva products."
        },
        {
            "heading": "8. Export Regulations",
            "body": "The Software and the technical data in it are subject to export control laws and regulations of the countries in which Zorva operates and of the country in which you receive it. You agree not to export, re-export or transfer the Software, directly or indirectly, in violation of those laws and regulations, or to any destination, end user or end use that they prohibit. For the current export classification of the Software see %1."
        },
        {
            "heading": "9. Termination",
            "body": "This Agreement remains in effect until terminated. It terminates automatically, without notice from Zorva, if you fail to comply with any of its terms. Upon termination you must stop using the Software and destroy all copies of it in your possession or control."
        },
        {
            "heading": "10. Disclaimer of Warranty",
            "body": "The Software is provided \"as is\", without warranty of any kind. To the maximum extent permitted by applicable law, Zorva disclaims all warranties, express or implied, including the implied warranties of merchantability, fitness for a particular purpose, title and non-infringement. Zorva does not warrant that the Software will meet your requirements or that its operation will be uninterrupted or error-free."
        },
        {
            "heading": "11. Limitation of Liability",
            "body": "To the maximum extent permitted by applicable law, in no event shall Zorva or its suppliers be liable for any indirect, incidental, special or consequential damages, including loss of data, profits or business, arising out of the use of or the inability to use the Software, even if Zorva has been advised of the possibility of such damages."
        },
        {
            "heading": "12. Governing Law",
            "body": "This Agreement is governed by the laws of the country in which Zorva Devices Ltd. has its registered office, without regard to its conflict of laws provisions. The United Nations Convention on Contracts for the International Sale of Goods does not apply to this Agreement."
        },
        {
            "heading": "13. Entire Agreement",
            "body": "This Agreement is the entire agreement between you and Zorva concerning the Software and supersedes all prior or contemporaneous communications. If any provision of this Agreement is held to be unenforceable, the remaining provisions remain in full force and effect. No waiver of any right under this Agreement is effective unless made in writing."
        }
    ]
}
