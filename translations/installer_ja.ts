<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
    <context>
        <name>DriverSection</name>
        <message>
            <source>Drivers</source>
            <translation>ドライバー</translation>
        </message>
    </context>
    <context>
        <name>FooterBar</name>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>インストーラーを終了します</translation>
        </message>
    </context>
    <context>
        <name>Header</name>
        <message>
            <source>logo link</source>
            <translation>ロゴのリンク</translation>
        </message>
        <message>
            <source>Opens logo in browser</source>
            <translation>ロゴのリンクをブラウザーで開きます</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>最小化</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Available again when the installer has finished</source>
            <translation>インストーラーの終了後に再び使用できます</translation>
        </message>
    </context>
    <context>
        <name>Install</name>
        <message>
            <source>Uninstalling..</source>
            <translation>アンインストールしています...</translation>
        </message>
        <message>
            <source>Installing..</source>
            <translation>インストールしています...</translation>
        </message>
        <message>
            <source>Installation could not be started</source>
            <translation>インストールを開始できませんでした</translation>
        </message>
        <message>
            <source>Uninstallation could not be started</source>
            <translation>アンインストールを開始できませんでした</translation>
        </message>
        <message>
            <source>Version: </source>
            <translation>バージョン: </translation>
        </message>
    </context>
    <context>
        <name>InstallFooter</name>
        <message>
            <source>I agree to the terms and conditions</source>
            <translation>使用許諾契約の条項に同意します</translation>
        </message>
        <message>
            <source>Terms and Conditions</source>
            <translation>使用条件</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>インストール</translation>
        </message>
        <message>
            <source>Installs the Application</source>
            <translation>アプリケーションをインストールします</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>閉じる</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>インストーラーを終了します</translation>
        </message>
    </context>
    <context>
        <name>InstallOutcome</name>
        <message>
            <source>Successfully Installed</source>
            <translation>インストールが完了しました</translation>
        </message>
        <message>
            <source>Successfully Uninstalled</source>
            <translation>アンインストールが完了しました</translation>
        </message>
        <message>
            <source>Successfully Installed. Windows is restarting.</source>
            <translation>インストールが完了しました。Windows を再起動しています。</translation>
        </message>
        <message>
            <source>Successfully Uninstalled. Windows is restarting.</source>
            <translation>アンインストールが完了しました。Windows を再起動しています。</translation>
        </message>
        <message>
            <source>Installation cancelled</source>
            <translation>インストールはキャンセルされました</translation>
        </message>
        <message>
            <source>Uninstallation cancelled</source>
            <translation>アンインストールはキャンセルされました</translation>
        </message>
        <message>
            <source>Another installation is in progress. Try again when it has finished.</source>
            <translation>別のインストールを実行中です。完了してからもう一度お試しください。</translation>
        </message>
        <message>
            <source>Installation failed (error %1). A restart is required.</source>
            <translation>インストールに失敗しました (エラー %1)。再起動が必要です。</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1). A restart is required.</source>
            <translation>アンインストールに失敗しました (エラー %1)。再起動が必要です。</translation>
        </message>
        <message>
            <source>Installation failed (error %1)</source>
            <translation>インストールに失敗しました (エラー %1)</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1)</source>
            <translation>アンインストールに失敗しました (エラー %1)</translation>
        </message>
    </context>
    <context>
        <name>LicenceSection</name>
        <message>
            <source>License Agreement</source>
            <translation>使用許諾契約</translation>
        </message>
    </context>
    <context>
        <name>LogBar</name>
        <message>
            <source>View Installation Log</source>
            <translation>インストール ログの表示</translation>
        </message>
    </context>
    <context>
        <name>PageFrame</name>
        <message>
            <source>License Agreement</source>
            <translation>使用許諾契約</translation>
        </message>
        <message>
            <source>Drivers</source>
            <translation>ドライバー</translation>
        </message>
        <message>
            <source>System Update</source>
            <translation>システムの更新</translation>
        </message>
        <message>
            <source>System configuration is not compatible for RAID drivers or applications installation.</source>
            <translation>このシステム構成は、RAID ドライバーまたはアプリケーションのインストールに対応していません。</translation>
        </message>
        <message>
            <source>No uninstallable drivers found</source>
            <translation>アンインストールできるドライバーが見つかりません</translation>
        </message>
    </context>
    <context>
        <name>RemovalFooter</name>
        <message>
            <source>Uninstall</source>
            <translation>アンインストール</translation>
        </message>
        <message>
            <source>Uninstalls the Application</source>
            <translation>アプリケーションをアンインストールします</translation>
        </message>
        <message>
            <source>Finish</source>
            <translation>完了</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>インストーラーを終了します</translation>
        </message>
    </context>
    <context>
        <name>RestartButton</name>
        <message>
            <source>Restart Now</source>
            <translation>今すぐ再起動</translation>
        </message>
        <message>
            <source>Exits installer and Restarts the system</source>
            <translation>インストーラーを終了し、システムを再起動します</translation>
        </message>
    </context>
    <context>
        <name>StatusStrip</name>
        <message>
            <source>Status of Installation</source>
            <translation>インストールの状態</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>CHIPSET DRIVER INSTALLER</source>
            <translation>チップセット ドライバー インストーラー</translation>
        </message>
        <message>
            <source>KPQ INSTALLATER detects another instance is running.</source>
            <translation>KPQ INSTALLATER の別のインスタンスが実行中であることを検出しました。</translation>
        </message>
        <message>
            <source>Please close already running instance</source>
            <translation>実行中のインスタンスを閉じてください</translation>
        </message>
        <message>
            <source>            Or         </source>
            <translation>            または         </translation>
        </message>
        <message>
            <source>Multiple Instance Access Denied!</source>
            <translation>複数のインスタンスは実行できません。</translation>
        </message>
    </context>
</TS>
