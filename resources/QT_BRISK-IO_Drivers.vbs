' Hardware detection: answers the switches of the drivers this machine needs.
Option Explicit

Function GetDeviceId(strInfoPath)
    GetDeviceId = ""
End Function
