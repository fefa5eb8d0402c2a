<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
    <context>
        <name>DriverSection</name>
        <message>
            <source>Drivers</source>
            <translation>드라이버</translation>
        </message>
    </context>
    <context>
        <name>FooterBar</name>
        <message>
            <source>Close</source>
            <translation>닫기</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>설치 프로그램을 종료합니다</translation>
        </message>
    </context>
    <context>
        <name>Header</name>
        <message>
            <source>logo link</source>
            <translation>로고 링크</translation>
        </message>
        <message>
            <source>Opens logo in browser</source>
            <translation>브라우저에서 로고 링크를 엽니다</translation>
        </message>
        <message>
            <source>Minimize</source>
            <translation>최소화</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>닫기</translation>
        </message>
        <message>
            <source>Available again when the installer has finished</source>
            <translation>설치 프로그램이 끝나면 다시 사용할 수 있습니다</translation>
        </message>
    </context>
    <context>
        <name>Install</name>
        <message>
            <source>Uninstalling..</source>
            <translation>제거하는 중...</translation>
        </message>
        <message>
            <source>Installing..</source>
            <translation>설치하는 중...</translation>
        </message>
        <message>
            <source>Installation could not be started</source>
            <translation>설치를 시작할 수 없습니다</translation>
        </message>
        <message>
            <source>Uninstallation could not be started</source>
            <translation>제거를 시작할 수 없습니다</translation>
        </message>
        <message>
            <source>Version: </source>
            <translation>버전: </translation>
        </message>
    </context>
    <context>
        <name>InstallFooter</name>
        <message>
            <source>I agree to the terms and conditions</source>
            <translation>사용권 계약 조건에 동의합니다</translation>
        </message>
        <message>
            <source>Terms and Conditions</source>
            <translation>사용 조건</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>설치</translation>
        </message>
        <message>
            <source>Installs the Application</source>
            <translation>응용 프로그램을 설치합니다</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>닫기</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>설치 프로그램을 종료합니다</translation>
        </message>
    </context>
    <context>
        <name>InstallOutcome</name>
        <message>
            <source>Successfully Installed</source>
            <translation>설치가 완료되었습니다</translation>
        </message>
        <message>
            <source>Successfully Uninstalled</source>
            <translation>제거가 완료되었습니다</translation>
        </message>
        <message>
            <source>Successfully Installed. Windows is restarting.</source>
            <translation>설치가 완료되었습니다. Windows를 다시 시작하는 중입니다.</translation>
        </message>
        <message>
            <source>Successfully Uninstalled. Windows is restarting.</source>
            <translation>제거가 완료되었습니다. Windows를 다시 시작하는 중입니다.</translation>
        </message>
        <message>
            <source>Installation cancelled</source>
            <translation>설치가 취소되었습니다</translation>
        </message>
        <message>
            <source>Uninstallation cancelled</source>
            <translation>제거가 취소되었습니다</translation>
        </message>
        <message>
            <source>Another installation is in progress. Try again when it has finished.</source>
            <translation>다른 설치가 진행 중입니다. 완료된 후 다시 시도하십시오.</translation>
        </message>
        <message>
            <source>Installation failed (error %1). A restart is required.</source>
            <translation>설치하지 못했습니다(오류 %1). 다시 시작해야 합니다.</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1). A restart is required.</source>
            <translation>제거하지 못했습니다(오류 %1). 다시 시작해야 합니다.</translation>
        </message>
        <message>
            <source>Installation failed (error %1)</source>
            <translation>설치하지 못했습니다(오류 %1)</translation>
        </message>
        <message>
            <source>Uninstallation failed (error %1)</source>
            <translation>제거하지 못했습니다(오류 %1)</translation>
        </message>
    </context>
    <context>
        <name>LicenceSection</name>
        <message>
            <source>License Agreement</source>
            <translation>사용권 계약</translation>
        </message>
    </context>
    <context>
        <name>LogBar</name>
        <message>
            <source>View Installation Log</source>
            <translation>설치 로그 보기</translation>
        </message>
    </context>
    <context>
        <name>PageFrame</name>
        <message>
            <source>License Agreement</source>
            <translation>사용권 계약</translation>
        </message>
        <message>
            <source>Drivers</source>
            <translation>드라이버</translation>
        </message>
        <message>
            <source>System Update</source>
            <translation>시스템 업데이트</translation>
        </message>
        <message>
            <source>System configuration is not compatible for RAID drivers or applications installation.</source>
            <translation>시스템 구성이 RAID 드라이버 또는 응용 프로그램 설치와 호환되지 않습니다.</translation>
        </message>
        <message>
            <source>No uninstallable drivers found</source>
            <translation>제거할 수 있는 드라이버가 없습니다</translation>
        </message>
    </context>
    <context>
        <name>RemovalFooter</name>
        <message>
            <source>Uninstall</source>
            <translation>제거</translation>
        </message>
        <message>
            <source>Uninstalls the Application</source>
            <translation>응용 프로그램을 제거합니다</translation>
        </message>
        <message>
            <source>Finish</source>
            <translation>마침</translation>
        </message>
        <message>
            <source>Exits Installer</source>
            <translation>설치 프로그램을 종료합니다</translation>
        </message>
    </context>
    <context>
        <name>RestartButton</name>
        <message>
            <source>Restart Now</source>
            <translation>지금 다시 시작</translation>
        </message>
        <message>
            <source>Exits installer and Restarts the system</source>
            <translation>설치 프로그램을 종료하고 시스템을 다시 시작합니다</translation>
        </message>
    </context>
    <context>
        <name>StatusStrip</name>
        <message>
            <source>Status of Installation</source>
            <translation>설치 상태</translation>
        </message>
    </context>
    <context>
        <name>main</name>
        <message>
            <source>CHIPSET DRIVER INSTALLER</source>
            <translation>칩셋 드라이버 설치 프로그램</translation>
        </message>
        <message>
            <source>KPQ INSTALLATER detects another instance is running.</source>
            <translation>KPQ INSTALLATER의 다른 인스턴스가 실행 중입니다.</translation>
        </message>
        <message>
            <source>Please close already running instance</source>
            <translation>이미 실행 중인 인스턴스를 닫으십시오</translation>
        </message>
        <message>
            <source>            Or         </source>
            <translation>            또는         </translation>
        </message>
        <message>
            <source>Multiple Instance Access Denied!</source>
            <translation>여러 인스턴스를 실행할 수 없습니다!</translation>
        </message>
    </context>
</TS>
