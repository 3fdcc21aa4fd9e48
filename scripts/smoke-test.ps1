# Starts Paperwisp.exe, waits until its hidden controller window "Form1"
# exists, and ends it: the program loads and starts on this Windows.
# Usage: powershell -ExecutionPolicy Bypass -File scripts\smoke-test.ps1 build\i686\Paperwisp.exe
param([Parameter(Mandatory = $true)][string]$Exe, [int]$TimeoutSeconds = 30)
$ErrorActionPreference = 'Stop'

Add-Type -TypeDefinition @'
using System;
using System.Runtime.InteropServices;
public static class TopLevelWindows {
    [DllImport("user32.dll", CharSet = CharSet.Unicode)]
    static extern IntPtr FindWindowExW(IntPtr parent, IntPtr after, string className, string title);
    [DllImport("user32.dll")]
    static extern uint GetWindowThreadProcessId(IntPtr window, out uint processId);

    // Hidden windows count too: the controller window never shows itself.
    public static bool HasWindow(uint processId, string title) {
        IntPtr window = IntPtr.Zero;
        while ((window = FindWindowExW(IntPtr.Zero, window, null, title)) != IntPtr.Zero) {
            uint owner;
            GetWindowThreadProcessId(window, out owner);
            if (owner == processId) return true;
        }
        return false;
    }
}
'@

$app = Start-Process -FilePath $Exe -PassThru
try {
    $deadline = (Get-Date).AddSeconds($TimeoutSeconds)
    while (-not [TopLevelWindows]::HasWindow([uint32]$app.Id, 'Form1')) {
        if ($app.HasExited) { throw "$Exe ended (exit code $($app.ExitCode)) before its window Form1 existed" }
        if ((Get-Date) -gt $deadline) { throw "$Exe has no window Form1 after $TimeoutSeconds s" }
        Start-Sleep -Milliseconds 200
    }
    Write-Output "$Exe started: its window Form1 exists"
} finally {
    if (-not $app.HasExited) { Stop-Process -Id $app.Id }
}
