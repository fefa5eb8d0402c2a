<#
.SYNOPSIS
Builds the front-end for Windows and stages what the setup package ships in its Bin folder.

.DESCRIPTION
Configures and builds a Release build, installs it into a fresh staging folder (Stage\Bin holds
ChipsetDriverInstaller.exe; the package puts Packages\ beside Bin), lets windeployqt add the Qt
libraries, plugins and QML modules the scene needs, and checks the result. With MinGW the compiler
runtime DLLs are bundled; with MSVC the package must install the Visual C++ runtime itself, and
the script ends by saying which. With -Certificate or -PfxFile it signs every program and library in Bin.

Run it from a prompt where the compiler is on PATH: "x64 Native Tools Command Prompt for VS 2019"
(or 2022) for an msvc2019_64 kit, or a prompt with Qt's MinGW bin folder on PATH (the "Qt 5.15.2
(MinGW 8.1.0 64-bit)" prompt) for a mingw81_64 kit. Windows blocks unsigned scripts by default:

    powershell -NoProfile -ExecutionPolicy Bypass -File scripts\windows-package.ps1 -QtDir C:\Qt\5.15.2\msvc2019_64

.PARAMETER QtDir
The Qt 5.15 kit: the folder holding bin\qmake.exe and bin\windeployqt.exe.

.PARAMETER Stage
The staging folder, emptied first. Default: build\windows-stage in the source tree.

.PARAMETER BuildDir
The build folder. Default: build\windows in the source tree.

.PARAMETER Version
The version stamped into the executable's version resource and manifest (one to four numbers,
"21.10.0.1"); without it, the one in CMakeLists.txt.

.PARAMETER Certificate
Signs every .exe and .dll in Bin (the front-end, Qt's libraries, plugins and QML plugins, the
MinGW runtime) with this code-signing certificate from the certificate store: its SHA-1
thumbprint (40 hex digits) or its subject name, then checks each with signtool verify /pa.
Without it (or -PfxFile) nothing is signed.

.PARAMETER PfxFile
Imports this .pfx into the current user's store (its password is asked for, never passed on a
command line), signs with it and removes from the store again what it imported.

.PARAMETER MachineStore
Looks for the certificate in the local machine's store instead of the current user's.

.PARAMETER TimestampUrl
The RFC 3161 time-stamp server for the signatures, so they stay valid after the certificate
expires. Default: http://timestamp.digicert.com.
#>
[CmdletBinding()]
param(
    [Parameter(Mandatory = $true)][string]$QtDir,
    [string]$Stage,
    [string]$BuildDir,
    [string]$Version,
    [string]$Certificate,
    [string]$PfxFile,
    [switch]$MachineStore,
    [string]$TimestampUrl = 'http://timestamp.digicert.com'
)

Set-StrictMode -Version Latest
$ErrorActionPreference = 'Stop'

$root = Split-Path -Parent $PSScriptRoot
if (-not $Stage) { $Stage = Join-Path $root 'build\windows-stage' }
if (-not $BuildDir) { $BuildDir = Join-Path $root 'build\windows' }
# Full paths without a trailing backslash, which would escape the closing quote of an argument.
function Get-FullPath([string]$path) {
    return $ExecutionContext.SessionState.Path.GetUnresolvedProviderPathFromPSPath($path).TrimEnd('\')
}
$QtDir = Get-FullPath $QtDir
$Stage = Get-FullPath $Stage
$BuildDir = Get-FullPath $BuildDir
$product = 'ChipsetDriverInstaller'
$description = 'ZYM Chipset Driver Installer'

function Fail([string]$message) {
    Write-Host "windows-package: $message" -ForegroundColor Red
    exit 1
}

# Runs a program and stops the script when it fails.
function Invoke-Step([string]$program, [string[]]$arguments) {
    Write-Host "> $program $($arguments -join ' ')"
    & $program @arguments
    if ($LASTEXITCODE -ne 0) { Fail "$program failed with exit code $LASTEXITCODE" }
}

function Find-Program([string]$name) {
    $command = Get-Command $name -CommandType Application -ErrorAction SilentlyContinue | Select-Object -First 1
    if ($command) { return $command.Path }
    return $null
}

# The kit: Qt 5.15, and which compiler it was built with.
$qmake = Join-Path $QtDir 'bin\qmake.exe'
$windeployqt = Join-Path $QtDir 'bin\windeployqt.exe'
foreach ($tool in $qmake, $windeployqt) {
    if (-not (Test-Path -LiteralPath $tool -PathType Leaf)) { Fail "no ${tool}: -QtDir must name a Qt 5.15 kit such as C:\Qt\5.15.2\msvc2019_64" }
}
$qtVersion = (& $qmake -query QT_VERSION).Trim()
if (-not $qtVersion.StartsWith('5.15.')) { Fail "the kit is Qt $qtVersion; the front-end is built with Qt 5.15" }
$mkspec = (& $qmake -query QMAKE_XSPEC).Trim()
if ($mkspec -like 'win32-msvc*') {
    $compiler = 'msvc'
    if (-not (Find-Program 'cl.exe')) { Fail "cl.exe is not on PATH: run this from the Visual Studio 'x64 Native Tools Command Prompt' (x86 for a 32-bit kit)" }
} elseif ($mkspec -eq 'win32-g++') {
    $compiler = 'mingw'
    # windeployqt copies the runtime DLLs from the folder of this g++.exe.
    if (-not (Find-Program 'g++.exe')) { Fail "g++.exe is not on PATH: put the kit's MinGW bin folder first on PATH, e.g. C:\Qt\Tools\mingw810_64\bin" }
} else {
    Fail "the kit's mkspec is $mkspec; this script knows MSVC (win32-msvc) and MinGW (win32-g++) kits"
}
# windeployqt finds Qt's libraries and qmlimportscanner through PATH.
$env:PATH = (Join-Path $QtDir 'bin') + ';' + $env:PATH

$generator = if (Find-Program 'ninja.exe') { 'Ninja' } elseif ($compiler -eq 'msvc') { 'NMake Makefiles' } else { 'MinGW Makefiles' }
Write-Host "windows-package: Qt $qtVersion ($mkspec), $generator, building in $BuildDir"

$configure = @('-S', $root, '-B', $BuildDir, '-G', $generator, '-DCMAKE_BUILD_TYPE=Release',
    "-DCMAKE_PREFIX_PATH=$QtDir", '-DBUILD_TESTING=OFF')
if ($Version) { $configure += "-DZYM_VERSION=$Version" }
Invoke-Step 'cmake' $configure
Invoke-Step 'cmake' @('--build', $BuildDir, '--config', 'Release')

# A fresh staging folder, so nothing from an earlier run ends up in the package. Only an empty
# folder or an earlier staging folder is emptied: -Stage may name the wrong folder.
if (Test-Path -LiteralPath $Stage) {
    $earlier = Test-Path -LiteralPath (Join-Path $Stage "Bin\$product.exe") -PathType Leaf
    if (-not $earlier -and (Get-ChildItem -LiteralPath $Stage -Force | Select-Object -First 1)) {
        Fail "$Stage is neither empty nor an earlier staging folder; name another -Stage"
    }
    Remove-Item -LiteralPath $Stage -Recurse -Force
}
Invoke-Step 'cmake' @('--install', $BuildDir, '--config', 'Release', '--prefix', $Stage)
$bin = Join-Path $Stage 'Bin'
$exe = Join-Path $bin "$product.exe"
if (-not (Test-Path -LiteralPath $exe -PathType Leaf)) { Fail "cmake --install left no $exe" }

# The scene is drawn by Qt Quick's software renderer: no OpenGL, ANGLE or Direct3D compiler
# (about 25 MB). There is no text input for a virtual keyboard. Qt's own translations go along
# (the second copy's box has Qt's OK button), then all but the front-end's languages are removed.
# MSVC's runtime is the package's to install (see the end); windeployqt would otherwise drop
# vc_redist.*.exe into Bin whenever VCINSTALLDIR is set.
$deployArguments = @('--release', '--qmldir', (Join-Path $root 'Qml'), '--no-opengl-sw', '--no-angle',
    '--no-system-d3d-compiler', '--no-virtualkeyboard')
if ($compiler -eq 'mingw') { $deployArguments += '--compiler-runtime' } else { $deployArguments += '--no-compiler-runtime' }
Invoke-Step $windeployqt ($deployArguments + $exe)

$languages = Get-ChildItem -LiteralPath (Join-Path $root 'translations') -Filter 'installer_*.ts' |
    ForEach-Object { $_.BaseName.Substring('installer_'.Length) }
Get-ChildItem -LiteralPath (Join-Path $bin 'translations') -Filter '*.qm' | Where-Object {
    $languages -notcontains ($_.BaseName -replace '^[a-z]+_', '') } | Remove-Item -Force

# The window icon and the watermark are .ico files: without qico.dll both are blank, without an
# error. The other images are PNG, which Qt reads without a plugin, so the other image-format
# plugins go.
$imageFormats = Join-Path $bin 'imageformats'
if (-not (Test-Path -LiteralPath (Join-Path $imageFormats 'qico.dll') -PathType Leaf)) {
    Fail "windeployqt deployed no imageformats\qico.dll; the window icon and the watermark need it"
}
Get-ChildItem -LiteralPath $imageFormats -File | Where-Object { $_.Name -ne 'qico.dll' } | Remove-Item -Force

# What the scene imports, as Qt's scanner finds it in the kit (windeployqt asked the same), and the
# platform plugin without which no window opens. Qt 5 looks for QML modules beside the executable.
$kitQml = Get-FullPath (& $qmake -query QT_INSTALL_QML).Trim()
$scanner = Join-Path $QtDir 'bin\qmlimportscanner.exe'
$imports = & $scanner -rootPath (Join-Path $root 'Qml') -importPath $kitQml | Out-String | ConvertFrom-Json
if ($LASTEXITCODE -ne 0) { Fail "$scanner failed with exit code $LASTEXITCODE" }
$required = @('platforms\qwindows.dll', 'Qt5Core.dll', 'Qt5Quick.dll')
foreach ($import in $imports) {
    if ($import.type -ne 'module') { continue }
    if (-not ($import.PSObject.Properties.Name -contains 'path')) { Fail "the kit has no QML module $($import.name)" }
    $module = Get-FullPath $import.path
    if (-not $module.StartsWith("$kitQml\", [StringComparison]::OrdinalIgnoreCase)) { Fail "$module is outside $kitQml" }
    $required += $module.Substring($kitQml.Length + 1)
}
if ($compiler -eq 'mingw') { $required += @('libstdc++-6.dll', 'libwinpthread-1.dll', 'libgcc_s_*.dll') }
foreach ($item in $required) {
    if (-not (Test-Path -Path (Join-Path $bin $item))) { Fail "$item is missing from $bin" }
}
if (Test-Path -Path (Join-Path $bin 'vc_redist*.exe')) { Fail "windeployqt put a vc_redist installer into $bin" }

# Which files are signed and signtool's arguments come from cmake/SignList.cmake, which the
# Windows stage of the tests checks against the staged tree.
function Invoke-Signing([string]$signtool) {
    $listDir = Join-Path $BuildDir 'signing'
    New-Item -ItemType Directory -Force -Path $listDir | Out-Null
    $listArguments = @("-DBIN=$bin", "-DTIMESTAMP_URL=$TimestampUrl", "-DCERTIFICATE=$Certificate",
        "-DDESCRIPTION=$description", "-DOUT=$listDir")
    if ($MachineStore) { $listArguments += '-DMACHINE_STORE=ON' }
    Invoke-Step 'cmake' ($listArguments + @('-P', (Join-Path $root 'cmake\SignList.cmake')))
    Invoke-Step $signtool @(Get-Content -LiteralPath (Join-Path $listDir 'sign.txt') -Encoding UTF8)
    Invoke-Step $signtool @(Get-Content -LiteralPath (Join-Path $listDir 'verify.txt') -Encoding UTF8)
}

if ($Certificate -or $PfxFile) {
    $signtool = Find-Program 'signtool.exe'
    if (-not $signtool) {
        # The Windows 10/11 SDK's newest x64 signtool; the Developer Command Prompt has it on PATH.
        $kits = Join-Path ${env:ProgramFiles(x86)} 'Windows Kits\10\bin'
        $signtool = Get-ChildItem -Path (Join-Path $kits '*\x64\signtool.exe') -ErrorAction SilentlyContinue |
            Where-Object { $_.Directory.Parent.Name -match '^\d+(\.\d+)+$' } |
            Sort-Object { [version]$_.Directory.Parent.Name } -Descending |
            Select-Object -First 1 -ExpandProperty FullName
    }
    if (-not $signtool) { Fail 'signtool.exe not found: install the Windows SDK or put signtool on PATH' }
}
if ($PfxFile) {
    # Imported for this run only: what the .pfx brought into the store leaves it again, private key
    # and all, even when signing fails; what was there before stays.
    $store = 'Cert:\CurrentUser\My'
    $password = Read-Host -AsSecureString "Password of $PfxFile"
    $before = @(Get-ChildItem -LiteralPath $store | ForEach-Object Thumbprint)
    $imported = @(Import-PfxCertificate -FilePath $PfxFile -CertStoreLocation $store -Password $password)
    try {
        $signer = $imported | Where-Object HasPrivateKey | Select-Object -First 1
        if (-not $signer) { Fail "$PfxFile holds no certificate with its private key" }
        $Certificate = $signer.Thumbprint
        $MachineStore = $false
        Invoke-Signing $signtool
    } finally {
        foreach ($certificate in $imported) {
            if ($before -contains $certificate.Thumbprint) { continue }
            $path = Join-Path $store $certificate.Thumbprint
            if ($certificate.HasPrivateKey) { Remove-Item -LiteralPath $path -DeleteKey } else { Remove-Item -LiteralPath $path }
        }
    }
} elseif ($Certificate) {
    Invoke-Signing $signtool
}

$files = @(Get-ChildItem -LiteralPath $bin -Recurse -File)
$megabytes = [math]::Round(($files | Measure-Object -Property Length -Sum).Sum / 1MB, 1)
Write-Host ''
Write-Host "windows-package: staged $($files.Count) files ($megabytes MB) in $bin"
Write-Host "  The package ships $bin as its Bin folder, with Packages\ (ZYM_Chipset_Drivers.exe) beside it."
Write-Host '  It must start the front-end elevated: ShellExecuteEx (verb "runas" or the default verb), or'
Write-Host '  from a process that is already elevated; CreateProcess fails with error 740 because the'
Write-Host '  manifest requires administrator rights.'
if ($compiler -eq 'msvc') {
    $toolset = if ($env:VCToolsVersion) { " $($env:VCToolsVersion) or later" } else { ' of the toolset used, or later' }
    $arch = if ($env:VSCMD_ARG_TGT_ARCH) { $env:VSCMD_ARG_TGT_ARCH } else { 'x64' }
    Write-Host "  Before starting it, the package must install the Microsoft Visual C++ 2015-2022"
    Write-Host "  Redistributable (vc_redist.$arch.exe), version$toolset; without it the front-end does not"
    Write-Host '  start at all. On Windows 7 SP1 and 8.1 the Universal C Runtime update (KB2999226) must be'
    Write-Host '  present as well: vc_redist carries it, but cannot install it where the Windows Update'
    Write-Host '  service is disabled, so such a package installs KB2999226 first.'
} else {
    Write-Host '  The MinGW runtime DLLs are in Bin: the package needs no runtime of its own.'
}
if (-not $Certificate) { Write-Host '  Not signed (no -Certificate): the administrator prompt says "Unknown publisher".' }
Write-Host "  Qt's kit brings no licence texts: the package must ship them with the offer of the kit's"
Write-Host '  source (README, "Licences"); the cross build puts them into Bin\licences.'
