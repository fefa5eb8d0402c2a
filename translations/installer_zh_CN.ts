<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
    <context>
        <name>DriverSection</name>
        <message>
            <source>Drivers</source>
            <translation>驱动程序</translation>
        </message>
    </context>
    <context>
        <name>FooterBar</name>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>退出安装程序</translation>
        </message>
    </context>
    <context>
        <name>Header</name>
        <message>
            <source>logo link</source>
            <translation>徽标链接</translation>
        </message>
        <message>
            <source>Opens logo in browser</source>
            <translation>在浏览器中打开徽标链接</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>最小化</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Available again when the installer has finished</source>
            <translation>安装程序结束后即可再次使用</translation>
        </message>
    </context>
    <context>
        <name>Install</name>
        <message>
            <source>Uninstalling..</source>
            <translation>正在卸载...</translation>
        </message>
        <message>
            <source>Installing..</source>
            <translation>正在安装...</translation>
        </message>
        <message>
            <source>Installation could not be started</source>
            <translation>无法启动安装</translation>
        </message>
        <message>
            <source>Uninstallation could not be started</source>
            <translation>无法启动卸载</translation>
        </message>
        <message>
            <source>Version: </source>
            <translation>版本：</translation>
        </message>
    </context>
    <context>
        <name>InstallFooter</name>
        <message>
            <source>I agree to the terms and conditions</source>
            <translation>我接受许可协议中的条款</translation>
        </message>
        <message>
            <source>Terms and Conditions</source>
            <translation>条款和条件</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>安装</translation>
        </message>
        <message>
            <source>Installs the Application</source>
            <translation>安装应用程序</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>退出安装程序</translation>
        </message>
    </context>
    <context>
        <name>InstallOutcome</name>
        <message>
            <source>Successfully Installed</source>
            <translation>安装成功</translation>
        </message>
        <message>
            <source>Successfully Uninstalled</source>
            <translation>卸载成功</translation>
        </message>
        <message>
            <source>Successfully Installed. Windows is restarting.</source>
            <translation>安装成功。Windows 正在重新启动。</translation>
        </message>
        <message>
            <source>Successfully Uninstalled. Windows is restarting.</source>
            <translation>卸载成功。Windows 正在重新启动。</translation>
        </message>
        <message>
            <source>Installation cancelled</source>
            <translation>安装已取消</translation>
        </message>
        <message>
            <source>Uninstallation cancelled</source>
            <translation>卸载已取消</translation>
        </message>
        <message>
            <source>Another installation is in progress. Try again when it has finished.</source>
            <translation>另一个安装正在进行。请在其完成后重试。</translation>
        </message>
        <message>
            <source>Installation failed (error %1). A restart is required.</source>
            <translation>安装失败（错误 %1）。需要重新启动。</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1). A restart is required.</source>
            <translation>卸载失败（错误 %1）。需要重新启动。</translation>
        </message>
        <message>
            <source>Installation failed (error %1)</source>
            <translation>安装失败（错误 %1）</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1)</source>
            <translation>卸载失败（错误 %1）</translation>
        </message>
    </context>
    <context>
        <name>LicenceSection</name>
        <message>
            <source>License Agreement</source>
            <translation>许可协议</translation>
        </message>
    </context>
    <context>
        <name>LogBar</name>
        <message>
            <source>View Installation Log</source>
            <translation>查看安装日志</translation>
        </message>
    </context>
    <context>
        <name>PageFrame</name>
        <message>
            <source>License Agreement</source>
            <translation>许可协议</translation>
        </message>
        <message>
            <source>Drivers</source>
            <translation>驱动程序</translation>
        </message>
        <message>
            <source>System Update</source>
            <translation>系统更新</translation>
        </message>
        <message>
            <source>System configuration is not compatible for RAID drivers or applications installation.</source>
            <translation>系统配置不支持安装 RAID 驱动程序或应用程序。</translation>
        </message>
        <message>
            <source>No uninstallable drivers found</source>
            <translation>未找到可卸载的驱动程序</translation>
        </message>
    </context>
    <context>
        <name>RemovalFooter</name>
        <message>
            <source>Uninstall</source>
            <translation>卸载</translation>
        </message>
        <message>
            <source>Uninstalls the Application</source>
            <translation>卸载应用程序</translation>
        </message>
        <message>
            <source>Finish</source>
            <translation>完成</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>退出安装程序</translation>
        </message>
    </context>
    <context>
        <name>RestartButton</name>
        <message>
            <source>Restart Now</source>
            <translation>立即重新启动</translation>
        </message>
        <message>
            <source>Exits installer and Restarts the system</source>
            <translation>退出安装程序并重新启动系统</translation>
        </message>
    </context>
    <context>
        <name>StatusStrip</name>
        <message>
            <source>Status of Installation</source>
            <translation>安装状态</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>CHIPSET DRIVER INSTALLER</source>
            <translation>芯片组驱动程序安装程序</translation>
        </message>
        <message>
            <source>KPQ INSTALLATER detects another instance is running.</source>
            <translation>KPQ INSTALLATER 检测到另一个实例正在运行。</translation>
        </message>
        <message>
            <source>Please close already running instance</source>
            <translation>请关闭已在运行的实例</translation>
        </message>
        <message>
            <source>            Or         </source>
            <translation>            或         </translation>
        </message>
        <message>
            <source>Multiple Instance Access Denied!</source>
            <translation>不允许运行多个实例！</translation>
        </message>
    </context>
</TS>
