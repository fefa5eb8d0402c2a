<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
    <context>
        <name>DriverSection</name>
        <message>
            <source>Drivers</source>
            <translation>Treiber</translation>
        </message>
    </context>
    <context>
        <name>FooterBar</name>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Beendet das Setup</translation>
        </message>
    </context>
    <context>
        <name>Header</name>
        <message>
            <source>logo link</source>
            <translation>Logo-Link</translation>
        </message>
        <message>
            <source>Opens logo in browser</source>
            <translation>Öffnet den Logo-Link im Browser</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>Minimieren</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Available again when the installer has finished</source>
            <translation>Wieder verfügbar, wenn das Installationsprogramm beendet ist</translation>
        </message>
    </context>
    <context>
        <name>Install</name>
        <message>
            <source>Uninstalling..</source>
            <translation>Wird deinstalliert...</translation>
        </message>
        <message>
            <source>Installing..</source>
            <translation>Wird installiert...</translation>
        </message>
        <message>
            <source>Installation could not be started</source>
            <translation>Die Installation konnte nicht gestartet werden</translation>
        </message>
        <message>
            <source>Uninstallation could not be started</source>
            <translation>Die Deinstallation konnte nicht gestartet werden</translation>
        </message>
        <message>
            <source>Version: </source>
            <translation>Version: </translation>
        </message>
    </context>
    <context>
        <name>InstallFooter</name>
        <message>
            <source>I agree to the terms and conditions</source>
            <translation>Ich akzeptiere die Bedingungen der Lizenzvereinbarung</translation>
        </message>
        <message>
            <source>Terms and Conditions</source>
            <translation>Lizenzbedingungen</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Installieren</translation>
        </message>
        <message>
            <source>Installs the Application</source>
            <translation>Installiert die Anwendung</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Schließen</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Beendet das Setup</translation>
        </message>
    </context>
    <context>
        <name>InstallOutcome</name>
        <message>
            <source>Successfully Installed</source>
            <translation>Erfolgreich installiert</translation>
        </message>
        <message>
            <source>Successfully Uninstalled</source>
            <translation>Erfolgreich deinstalliert</translation>
        </message>
        <message>
            <source>Successfully Installed. Windows is restarting.</source>
            <translation>Erfolgreich installiert. Windows wird neu gestartet.</translation>
        </message>
        <message>
            <source>Successfully Uninstalled. Windows is restarting.</source>
            <translation>Erfolgreich deinstalliert. Windows wird neu gestartet.</translation>
        </message>
        <message>
            <source>Installation cancelled</source>
            <translation>Installation abgebrochen</translation>
        </message>
        <message>
            <source>Uninstallation cancelled</source>
            <translation>Deinstallation abgebrochen</translation>
        </message>
        <message>
            <source>Another installation is in progress. Try again when it has finished.</source>
            <translation>Eine andere Installation wird gerade ausgeführt. Versuchen Sie es erneut, wenn sie abgeschlossen ist.</translation>
        </message>
        <message>
            <source>Installation failed (error %1). A restart is required.</source>
            <translation>Installation fehlgeschlagen (Fehler %1). Ein Neustart ist erforderlich.</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1). A restart is required.</source>
            <translation>Deinstallation fehlgeschlagen (Fehler %1). Ein Neustart ist erforderlich.</translation>
        </message>
        <message>
            <source>Installation failed (error %1)</source>
            <translation>Installation fehlgeschlagen (Fehler %1)</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1)</source>
            <translation>Deinstallation fehlgeschlagen (Fehler %1)</translation>
        </message>
    </context>
    <context>
        <name>LicenceSection</name>
        <message>
            <source>License Agreement</source>
            <translation>Lizenzvereinbarung</translation>
        </message>
    </context>
    <context>
        <name>LogBar</name>
        <message>
            <source>View Installation Log</source>
            <translation>Installationsprotokoll anzeigen</translation>
        </message>
    </context>
    <context>
        <name>PageFrame</name>
        <message>
            <source>License Agreement</source>
            <translation>Lizenzvereinbarung</translation>
        </message>
        <message>
            <source>Drivers</source>
            <translation>Treiber</translation>
        </message>
        <message>
            <source>System Update</source>
            <translation>Systemaktualisierung</translation>
        </message>
        <message>
            <source>System configuration is not compatible for RAID drivers or applications installation.</source>
            <translation>Die Systemkonfiguration ist für die Installation von RAID-Treibern oder -Anwendungen nicht geeignet.</translation>
        </message>
        <message>
            <source>No uninstallable drivers found</source>
            <translation>Keine deinstallierbaren Treiber gefunden</translation>
        </message>
    </context>
    <context>
        <name>RemovalFooter</name>
        <message>
            <source>Uninstall</source>
            <translation>Deinstallieren</translation>
        </message>
        <message>
            <source>Uninstalls the Application</source>
            <translation>Deinstalliert die Anwendung</translation>
        </message>
        <message>
            <source>Finish</source>
            <translation>Fertig stellen</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Beendet das Setup</translation>
        </message>
    </context>
    <context>
        <name>RestartButton</name>
        <message>
            <source>Restart Now</source>
            <translation>Jetzt neu starten</translation>
        </message>
        <message>
            <source>Exits installer and Restarts the system</source>
            <translation>Beendet das Setup und startet das System neu</translation>
        </message>
    </context>
    <context>
        <name>StatusStrip</name>
        <message>
            <source>Status of Installation</source>
            <translation>Installationsstatus</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>CHIPSET DRIVER INSTALLER</source>
            <translation>CHIPSATZTREIBER-INSTALLATION</translation>
        </message>
        <message>
            <source>KPQ INSTALLATER detects another instance is running.</source>
            <translation>KPQ INSTALLATER hat festgestellt, dass bereits eine andere Instanz ausgeführt wird.</translation>
        </message>
        <message>
            <source>Please close already running instance</source>
            <translation>Bitte schließen Sie die bereits ausgeführte Instanz</translation>
        </message>
        <message>
            <source>            Or         </source>
            <translation>            Oder         </translation>
        </message>
        <message>
            <source>Multiple Instance Access Denied!</source>
            <translation>Mehrfachstart nicht zulässig!</translation>
        </message>
    </context>
</TS>
