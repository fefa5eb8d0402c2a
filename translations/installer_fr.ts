<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
    <context>
        <name>DriverSection</name>
        <message>
            <source>Drivers</source>
            <translation>Pilotes</translation>
        </message>
    </context>
    <context>
        <name>FooterBar</name>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Quitte le programme d'installation</translation>
        </message>
    </context>
    <context>
        <name>Header</name>
        <message>
            <source>logo link</source>
            <translation>lien du logo</translation>
        </message>
        <message>
            <source>Opens logo in browser</source>
            <translation>Ouvre le lien du logo dans le navigateur</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>Réduire</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Available again when the installer has finished</source>
            <translation>De nouveau disponible lorsque le programme d'installation est terminé</translation>
        </message>
    </context>
    <context>
        <name>Install</name>
        <message>
            <source>Uninstalling..</source>
            <translation>Désinstallation en cours...</translation>
        </message>
        <message>
            <source>Installing..</source>
            <translation>Installation en cours...</translation>
        </message>
        <message>
            <source>Installation could not be started</source>
            <translation>Impossible de démarrer l'installation</translation>
        </message>
        <message>
            <source>Uninstallation could not be started</source>
            <translation>Impossible de démarrer la désinstallation</translation>
        </message>
        <message>
            <source>Version: </source>
            <translation>Version : </translation>
        </message>
    </context>
    <context>
        <name>InstallFooter</name>
        <message>
            <source>I agree to the terms and conditions</source>
            <translation>J'accepte les termes du contrat de licence</translation>
        </message>
        <message>
            <source>Terms and Conditions</source>
            <translation>Termes et conditions</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Installer</translation>
        </message>
        <message>
            <source>Installs the Application</source>
            <translation>Installe l'application</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Quitte le programme d'installation</translation>
        </message>
    </context>
    <context>
        <name>InstallOutcome</name>
        <message>
            <source>Successfully Installed</source>
            <translation>Installation réussie</translation>
        </message>
        <message>
            <source>Successfully Uninstalled</source>
            <translation>Désinstallation réussie</translation>
        </message>
        <message>
            <source>Successfully Installed. Windows is restarting.</source>
            <translation>Installation réussie. Windows redémarre.</translation>
        </message>
        <message>
            <source>Successfully Uninstalled. Windows is restarting.</source>
            <translation>Désinstallation réussie. Windows redémarre.</translation>
        </message>
        <message>
            <source>Installation cancelled</source>
            <translation>Installation annulée</translation>
        </message>
        <message>
            <source>Uninstallation cancelled</source>
            <translation>Désinstallation annulée</translation>
        </message>
        <message>
            <source>Another installation is in progress. Try again when it has finished.</source>
            <translation>Une autre installation est en cours. Réessayez lorsqu'elle sera terminée.</translation>
        </message>
        <message>
            <source>Installation failed (error %1). A restart is required.</source>
            <translation>Échec de l'installation (erreur %1). Un redémarrage est nécessaire.</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1). A restart is required.</source>
            <translation>Échec de la désinstallation (erreur %1). Un redémarrage est nécessaire.</translation>
        </message>
        <message>
            <source>Installation failed (error %1)</source>
            <translation>Échec de l'installation (erreur %1)</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1)</source>
            <translation>Échec de la désinstallation (erreur %1)</translation>
        </message>
    </context>
    <context>
        <name>LicenceSection</name>
        <message>
            <source>License Agreement</source>
            <translation>Contrat de licence</translation>
        </message>
    </context>
    <context>
        <name>LogBar</name>
        <message>
            <source>View Installation Log</source>
            <translation>Afficher le journal d'installation</translation>
        </message>
    </context>
    <context>
        <name>PageFrame</name>
        <message>
            <source>License Agreement</source>
            <translation>Contrat de licence</translation>
        </message>
        <message>
            <source>Drivers</source>
            <translation>Pilotes</translation>
        </message>
        <message>
            <source>System Update</source>
            <translation>Mise à jour du système</translation>
        </message>
        <message>
            <source>System configuration is not compatible for RAID drivers or applications installation.</source>
            <translation>La configuration du système n'est pas compatible avec l'installation de pilotes ou d'applications RAID.</translation>
        </message>
        <message>
            <source>No uninstallable drivers found</source>
            <translation>Aucun pilote désinstallable trouvé</translation>
        </message>
    </context>
    <context>
        <name>RemovalFooter</name>
        <message>
            <source>Uninstall</source>
            <translation>Désinstaller</translation>
        </message>
        <message>
            <source>Uninstalls the Application</source>
            <translation>Désinstalle l'application</translation>
        </message>
        <message>
            <source>Finish</source>
            <translation>Terminer</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Quitte le programme d'installation</translation>
        </message>
    </context>
    <context>
        <name>RestartButton</name>
        <message>
            <source>Restart Now</source>
            <translation>Redémarrer maintenant</translation>
        </message>
        <message>
            <source>Exits installer and Restarts the system</source>
            <translation>Quitte le programme d'installation et redémarre le système</translation>
        </message>
    </context>
    <context>
        <name>StatusStrip</name>
        <message>
            <source>Status of Installation</source>
            <translation>État de l'installation</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>CHIPSET DRIVER INSTALLER</source>
            <translation>INSTALLATION DES PILOTES DE CHIPSET</translation>
        </message>
        <message>
            <source>KPQ INSTALLATER detects another instance is running.</source>
            <translation>KPQ INSTALLATER a détecté qu'une autre instance est en cours d'exécution.</translation>
        </message>
        <message>
            <source>Please close already running instance</source>
            <translation>Veuillez fermer l'instance déjà en cours d'exécution</translation>
        </message>
        <message>
            <source>            Or         </source>
            <translation>            Ou         </translation>
        </message>
        <message>
            <source>Multiple Instance Access Denied!</source>
            <translation>Exécution de plusieurs instances refusée !</translation>
        </message>
    </context>
</TS>
