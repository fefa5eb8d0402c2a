<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
    <context>
        <name>DriverSection</name>
        <message>
            <source>Drivers</source>
            <translation>Drivers</translation>
        </message>
    </context>
    <context>
        <name>FooterBar</name>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Sai do instalador</translation>
        </message>
    </context>
    <context>
        <name>Header</name>
        <message>
            <source>logo link</source>
            <translation>link do logotipo</translation>
        </message>
        <message>
            <source>Opens logo in browser</source>
            <translation>Abre o link do logotipo no navegador</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>Minimizar</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Available again when the installer has finished</source>
            <translation>Disponível novamente quando o instalador terminar</translation>
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
            <translation>Não foi possível iniciar a instalação</translation>
        </message>
        <message>
            <source>Uninstallation could not be started</source>
            <translation>Não foi possível iniciar a desinstalação</translation>
        </message>
        <message>
            <source>Version: </source>
            <translation>Versão: </translation>
        </message>
    </context>
    <context>
        <name>InstallFooter</name>
        <message>
            <source>I agree to the terms and conditions</source>
            <translation>Aceito os termos do contrato de licença</translation>
        </message>
        <message>
            <source>Terms and Conditions</source>
            <translation>Termos e condições</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Instalar</translation>
        </message>
        <message>
            <source>Installs the Application</source>
            <translation>Instala o aplicativo</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Fechar</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Sai do instalador</translation>
        </message>
    </context>
    <context>
        <name>InstallOutcome</name>
        <message>
            <source>Successfully Installed</source>
            <translation>Instalado com êxito</translation>
        </message>
        <message>
            <source>Successfully Uninstalled</source>
            <translation>Desinstalado com êxito</translation>
        </message>
        <message>
            <source>Successfully Installed. Windows is restarting.</source>
            <translation>Instalado com êxito. O Windows está reiniciando.</translation>
        </message>
        <message>
            <source>Successfully Uninstalled. Windows is restarting.</source>
            <translation>Desinstalado com êxito. O Windows está reiniciando.</translation>
        </message>
        <message>
            <source>Installation cancelled</source>
            <translation>Instalação cancelada</translation>
        </message>
        <message>
            <source>Uninstallation cancelled</source>
            <translation>Desinstalação cancelada</translation>
        </message>
        <message>
            <source>Another installation is in progress. Try again when it has finished.</source>
            <translation>Outra instalação está em andamento. Tente novamente quando ela terminar.</translation>
        </message>
        <message>
            <source>Installation failed (error %1). A restart is required.</source>
            <translation>Falha na instalação (erro %1). É necessário reiniciar.</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1). A restart is required.</source>
            <translation>Falha na desinstalação (erro %1). É necessário reiniciar.</translation>
        </message>
        <message>
            <source>Installation failed (error %1)</source>
            <translation>Falha na instalação (erro %1)</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1)</source>
            <translation>Falha na desinstalação (erro %1)</translation>
        </message>
    </context>
    <context>
        <name>LicenceSection</name>
        <message>
            <source>License Agreement</source>
            <translation>Contrato de Licença</translation>
        </message>
    </context>
    <context>
        <name>LogBar</name>
        <message>
            <source>View Installation Log</source>
            <translation>Exibir log de instalação</translation>
        </message>
    </context>
    <context>
        <name>PageFrame</name>
        <message>
            <source>License Agreement</source>
            <translation>Contrato de Licença</translation>
        </message>
        <message>
            <source>Drivers</source>
            <translation>Drivers</translation>
        </message>
        <message>
            <source>System Update</source>
            <translation>Atualização do Sistema</translation>
        </message>
        <message>
            <source>System configuration is not compatible for RAID drivers or applications installation.</source>
            <translation>A configuração do sistema não é compatível com a instalação de drivers ou aplicativos RAID.</translation>
        </message>
        <message>
            <source>No uninstallable drivers found</source>
            <translation>Nenhum driver desinstalável encontrado</translation>
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
            <translation>Desinstala o aplicativo</translation>
        </message>
        <message>
            <source>Finish</source>
            <translation>Concluir</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>Sai do instalador</translation>
        </message>
    </context>
    <context>
        <name>RestartButton</name>
        <message>
            <source>Restart Now</source>
            <translation>Reiniciar agora</translation>
        </message>
        <message>
            <source>Exits installer and Restarts the system</source>
            <translation>Sai do instalador e reinicia o sistema</translation>
        </message>
    </context>
    <context>
        <name>StatusStrip</name>
        <message>
            <source>Status of Installation</source>
            <translation>Status da instalação</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>CHIPSET DRIVER INSTALLER</source>
            <translation>INSTALADOR DE DRIVERS DE CHIPSET</translation>
        </message>
        <message>
            <source>KPQ INSTALLATER detects another instance is running.</source>
            <translation>O KPQ INSTALLATER detectou que outra instância está em execução.</translation>
        </message>
        <message>
            <source>Please close already running instance</source>
            <translation>Feche a instância que já está em execução</translation>
        </message>
        <message>
            <source>            Or         </source>
            <translation>            Ou         </translation>
        </message>
        <message>
            <source>Multiple Instance Access Denied!</source>
            <translation>Não é permitido executar várias instâncias!</translation>
        </message>
    </context>
</TS>
