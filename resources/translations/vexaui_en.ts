<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Activate</name>
    <message>
        <source>End User License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device name (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact your administrator for the activation code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the End User License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid activation code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid device name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation failed due to connectivity issues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate device name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device activation is not allowed. Please contact your administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation code expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of devices reached for your account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActivationPending</name>
    <message>
        <source>Activation is pending…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend verification email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check activation status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your administrator has been notified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification request failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked at %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnswerWait</name>
    <message>
        <source>The application service did not answer. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuthEmail</name>
    <message>
        <source>Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid email. Please contact your administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP resend blocked. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP attempts blocked. Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User registration failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in using your company email address to access the enterprise network from this endpoint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in using your %1 email address to access the enterprise network from this endpoint.</source>
        <extracomment>%1 is the name of the user&apos;s company.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The desktop window of the Vexa secure-access agent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &lt;rurl&gt; with the desktop&apos;s handler for it at start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run for &lt;user&gt; instead of the user of the session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If &quot;true&quot;, allow another instance for the same user.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a support report for the helpdesk to &lt;file&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No window of this user is running, so the report has no link history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print what the running window of this user shows, and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --status, print it as JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No window of this user is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window of this user did not answer within %1 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the support report to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the support report to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotices</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type your message here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a subject.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to submit your feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submitting feedback…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feedback has been submitted. Ticket ID: %1</source>
        <extracomment>%1 is the ticket number the support desk gave the feedback.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application service did not answer. Your feedback may still arrive; if it does, its ticket number will be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your earlier feedback may still reach the support desk. Send the same message again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message is empty: only the subject is sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstRunWords</name>
    <message>
        <source>Unable to connect to the %1 service</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 service did not answer. Please try again.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The QR code is not available while the %1 service is unreachable.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Secure Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User authentication is in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User authentication failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User authentication successful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re already in the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your administrator did not approve the activation of this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system could not be restarted. Please restart it yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listing peer devices failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps running in the system tray. Click its icon to open the window again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keeps running while its window is minimized. Find it in the taskbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last known: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting notifications failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discovery in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching preferred access gateway information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking preferred access gateway reachability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session timed out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device has been isolated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re subscribed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listing the preferred access gateways failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re not subscribed to the secure connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet access is blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to the network address %1 has been blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet access will be blocked at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to the network address %1 will be blocked at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet access is enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Open %2 to see the compliance details.</source>
        <extracomment>%1 is a notice about network access, %2 the product&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 requires a system restart. Click &apos;OK&apos; to restart the system.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in. Secure Access is off: turn it on with the switch above.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Interfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating System Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trusted Certificates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Antivirus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Autorun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMB Shares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malicious Applications Installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating System Version Mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risky Certificate Installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN Installed on the System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandatory Applications Not Installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandatory Certificate Not Installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN Not Installed on the System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malicious Processes Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandatory Processes Not Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risky Ports Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandatory Ports Closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Firewall Enabled on the System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Autorun Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Antivirus Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMB Sharing Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Firewall Disabled on the System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Autorun Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Antivirus Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMB Sharing Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(s) Found on the System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry Key Mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(s) Missing from the System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malicious Client Certificate Signed by the CA Certificate(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Client Certificate Signed by the CA Certificate(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected operating system found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected operating system: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected Registry entry: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected Registry entry found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vendor: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A registry key and its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OtpScreen</name>
    <message>
        <source>User Verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your email for the one-time password (OTP) and enter it below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend OTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid OTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP resend blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP attempts blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User association failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the activation screen and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the email screen and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your OTP is valid for %1.</source>
        <extracomment>%1 is the time left, as minutes:seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagSelection</name>
    <message>
        <source>Preferred Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No gateways available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access disconnects while it switches to the chosen gateway. Switch now?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PeerDevices</name>
    <message>
        <source>Peer Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peer list is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to copy the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QRCodeScreen</name>
    <message>
        <source>Regenerate QR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The QR code could not be displayed. Select &apos;Regenerate QR&apos; to try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan this code with your phone to activate this device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you experience an error with the QR code above, select the &apos;Regenerate QR&apos; button below and repeat the process. If you continue to experience issues, contact your administrator for assistance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a new code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No QR code has come yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan the code below with your phone. This window moves on by itself once the code is scanned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation by QR code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code ready to scan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceCode</name>
    <message>
        <source>Enter the account service ID below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the account service ID.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SESSION DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Gateway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Gateway IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assigned IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EDR Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACCOUNT DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEST CONNECTIVITY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMPLIANCE DETAILS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PEER DEVICES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View all devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LEGAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEACTIVATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to sign out. Click &apos;Yes&apos; to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device has been deactivated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 [FULL]</source>
        <extracomment>%1 is a network interface, %2 its address; all of the device&apos;s traffic goes through the tunnel.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 [SPLIT]</source>
        <extracomment>%1 is a network interface, %2 its address; only the enterprise&apos;s traffic goes through the tunnel.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivation failed. Please try again or contact your administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivation not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-out failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save support report…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device leaves your organization and Secure Access stops until it is enrolled again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password must not be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the deactivation password from your administrator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivate this device?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>The application service is available again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your administrator approved this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access is now off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access stopped connecting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The application service is unavailable. Retrying every %n seconds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Network access blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network access about to be blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device isolated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access turned off by your administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application service unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application service port held by another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device not enrolled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacting the application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access disconnecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retrying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already in the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask your administrator to check the application service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart the computer to finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask your administrator for help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Settings, then Notifications, to see the compliance details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Retrying every %n seconds.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SubScreenTitleBar</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportPreview</name>
    <message>
        <source>Support report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is one file for your helpdesk. It holds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email addresses, user, device and enterprise names and IP addresses are replaced by placeholders, and passwords, one-time passwords, activation codes and QR codes are never recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The summary is on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save support report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The support report could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The support report was saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SupportReport</name>
    <message>
        <source>The archive could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer, the window and the summary below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection events with the application service: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last messages from the application service: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>requests the window sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last state the application service reported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warnings from the window: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayStatus</name>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure &amp;Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save support &amp;report…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitingSpinnerWidget</name>
    <message>
        <source>Please wait</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>No application could open this address. Copy it into your web browser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application could open this folder. Open it in your file manager:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vexaintf</name>
    <message>
        <source>Connection refused: the owner of the application service port could not be verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection refused: the application service port is held by another user (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
