<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
    <context>
        <name>DriverSection</name>
        <message>
            <source>Drivers</source>
            <translation>Controladores</translation>
        </message>
    </context>
    <context>
        <name>FooterBar</name>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Sale del instalador</translation>
        </message>
    </context>
    <context>
        <name>Header</name>
        <message>
            <source>logo link</source>
            <translation>enlace del logotipo</translation>
        </message>
        <message>
            <source>Opens logo in browser</source>
            <translation>Abre el enlace del logotipo en el navegador</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>Minimizar</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Available again when the installer has finished</source>
            <translation>Disponible de nuevo cuando finalice el instalador</translation>
        </message>
    </context>
    <context>
        <name>Install</name>
        <message>
            <source>Uninstalling..</source>
            <translation>Desinstalando...</translation>
        </message>
        <message>
            <source>Installing..</source>
            <translation>Instalando...</translation>
        </message>
        <message>
            <source>Installation could not be started</source>
            <translation>No se pudo iniciar la instalación</translation>
        </message>
        <message>
            <source>Uninstallation could not be started</source>
            <translation>No se pudo iniciar la desinstalación</translation>
        </message>
        <message>
            <source>Version: </source>
            <translation>Versión: </translation>
        </message>
    </context>
    <context>
        <name>InstallFooter</name>
        <message>
            <source>I agree to the terms and conditions</source>
            <translation>Acepto los términos del contrato de licencia</translation>
        </message>
        <message>
            <source>Terms and Conditions</source>
            <translation>Términos y condiciones</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Instalar</translation>
        </message>
        <message>
            <source>Installs the Application</source>
            <translation>Instala la aplicación</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Cerrar</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Sale del instalador</translation>
        </message>
    </context>
    <context>
        <name>InstallOutcome</name>
        <message>
            <source>Successfully Installed</source>
            <translation>Instalado correctamente</translation>
        </message>
        <message>
            <source>Successfully Uninstalled</source>
            <translation>Desinstalado correctamente</translation>
        </message>
        <message>
            <source>Successfully Installed. Windows is restarting.</source>
            <translation>Instalado correctamente. Windows se está reiniciando.</translation>
        </message>
        <message>
            <source>Successfully Uninstalled. Windows is restarting.</source>
            <translation>Desinstalado correctamente. Windows se está reiniciando.</translation>
        </message>
        <message>
            <source>Installation cancelled</source>
            <translation>Instalación cancelada</translation>
        </message>
        <message>
            <source>Uninstallation cancelled</source>
            <translation>Desinstalación cancelada</translation>
        </message>
        <message>
            <source>Another installation is in progress. Try again when it has finished.</source>
            <translation>Hay otra instalación en curso. Vuelva a intentarlo cuando haya finalizado.</translation>
        </message>
        <message>
            <source>Installation failed (error %1). A restart is required.</source>
            <translation>Error en la instalación (error %1). Es necesario reiniciar.</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1). A restart is required.</source>
            <translation>Error en la desinstalación (error %1). Es necesario reiniciar.</translation>
        </message>
        <message>
            <source>Installation failed (error %1)</source>
            <translation>Error en la instalación (error %1)</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1)</source>
            <translation>Error en la desinstalación (error %1)</translation>
        </message>
    </context>
    <context>
        <name>LicenceSection</name>
        <message>
            <source>License Agreement</source>
            <translation>Contrato de licencia</translation>
        </message>
    </context>
    <context>
        <name>LogBar</name>
        <message>
            <source>View Installation Log</source>
            <translation>Ver el registro de instalación</translation>
        </message>
    </context>
    <context>
        <name>PageFrame</name>
        <message>
            <source>License Agreement</source>
            <translation>Contrato de licencia</translation>
        </message>
        <message>
            <source>Drivers</source>
            <translation>Controladores</translation>
        </message>
        <message>
            <source>System Update</source>
            <translation>Actualización del sistema</translation>
        </message>
        <message>
            <source>System configuration is not compatible for RAID drivers or applications installation.</source>
            <translation>La configuración del sistema no es compatible con la instalación de controladores o aplicaciones RAID.</translation>
        </message>
        <message>
            <source>No uninstallable drivers found</source>
            <translation>No se encontraron controladores desinstalables</translation>
        </message>
    </context>
    <context>
        <name>RemovalFooter</name>
        <message>
            <source>Uninstall</source>
            <translation>Desinstalar</translation>
        </message>
        <message>
            <source>Uninstalls the Application</source>
            <translation>Desinstala la aplicación</translation>
        </message>
        <message>
            <source>Finish</source>
            <translation>Finalizar</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Sale del instalador</translation>
        </message>
    </context>
    <context>
        <name>RestartButton</name>
        <message>
            <source>Restart Now</source>
            <translation>Reiniciar ahora</translation>
        </message>
        <message>
            <source>Exits installer and Restarts the system</source>
            <translation>Sale del instalador y reinicia el sistema</translation>
        </message>
    </context>
    <context>
        <name>StatusStrip</name>
        <message>
            <source>Status of Installation</source>
            <translation>Estado de la instalación</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>CHIPSET DRIVER INSTALLER</source>
            <translation>INSTALADOR DE CONTROLADORES DEL CHIPSET</translation>
        </message>
        <message>
            <source>KPQ INSTALLATER detects another instance is running.</source>
            <translation>KPQ INSTALLATER ha detectado que ya se está ejecutando otra instancia.</translation>
        </message>
        <message>
            <source>Please close already running instance</source>
            <translation>Cierre la instancia que ya se está ejecutando</translation>
        </message>
        <message>
            <source>            Or         </source>
            <translation>            O         </translation>
        </message>
        <message>
            <source>Multiple Instance Access Denied!</source>
            <translation>¡No se permite ejecutar varias instancias!</translation>
        </message>
    </context>
</TS>
