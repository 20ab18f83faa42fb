<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Activate</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact your administrator for the Activation Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEVICE NAME (Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I have read and agree to terms of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request to Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Activation Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation Failure due to Connectivity Issues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent Not Activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Device Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Activation Is Not Allowed, Please Contact Your Administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation Code Expired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Number Of Devices Reached For Your Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
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
        <source>I have read and agree to terms of End User License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActivationPending</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation is pending...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Administrator has been notified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend Verification Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Activation Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Admin approval pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification Request Failed</source>
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
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authorization Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in using your COMPANY NAME email address to access the enterprise network from this endpoint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address</source>
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
        <source>Unable to connect with application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Email, Please contact your Administrator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP resend blocked retry after sometime...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP attempts blocked retry after sometime...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Registration Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in using your </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> email address to access the enterprise network from this endpoint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP attempts blocked for : </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The desktop window of the Vexa secure-access agent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Unable to connect with application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject Empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>submitting feedback...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to submit your feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agent not Activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully submitted your feedback</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re Not Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
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
        <source>You&apos;re connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re disconnecting...</source>
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
        <source>Discovery In Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching Preferred Access Gateway Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking Preferred Access Gateway Reachability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re Already in the Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re Connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Device Has Been Isolated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re Subscribed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferred Access Gateway listing failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Subscribed for Secure Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Preferred Access Gateway Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Access is blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to the network address </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has been blocked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Access will be blocked at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to network address </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> will be blocked at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Access enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Open </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to see the compliance details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Check the notification page to see the compliance details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetching Information</source>
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
        <source>Error with listing peer devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> requires a system restart. Click &apos;OK&apos; to restart the system.</source>
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
        <source>%1 keeps running while its window is minimised. Find it in the task bar.</source>
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
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Trust Certificate</source>
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
        <source>SMB Shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected Operating System found : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected Operating System : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected Registry : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected Registry found : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vendor : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malicious Applications Found Installed</source>
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
        <source>Malicious Client Certificate signed by CaCert(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN Installed On The System</source>
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
        <source>None of client certificate signed by CaCert(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN Not Installed On The System</source>
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
        <source>SMB Shared Enabled</source>
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
        <source>SMB Shared Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(s) Found On The System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry Key Mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(s) Missing From the System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No notifications</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OtpScreen</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your email for the One-time Password (OTP) and enter it below</source>
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
        <source>Unable to connect with application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid OTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP Resend Blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP Attempts blocked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Association Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail ID not found pleae go back to activation screen and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail ID not found pleae go back to email screen and try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You OTP is valid for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTP attempts blocked for : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagSelection</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preference</source>
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
        <source>No Gateways available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of service</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PeerDevices</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peer Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peer list is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Return to copy the address</source>
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
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you experience an error with the QR Code above, select the &apos;Regenerate QR&apos; button below and repeat the process again. If you continue to experience issues, contact your provider for assistance.</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Unable to connect with application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan this code with your phone to activate this device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The QR code is not available while the application service is unreachable.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServiceCode</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Up Time</source>
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
        <source>Try Me</source>
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
        <source>View All Devices</source>
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
        <source>Deactivate </source>
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
        <source>Sign Out</source>
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
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FULL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to sign out. Click &apos;Yes&apos; to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Password : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to deactivate. To continue deactivation please click &apos;Yes&apos;</source>
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
        <source>Deactivation failed, please try again or contact admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivation Not Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SignOut Failed</source>
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
        <source>Please enter the password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Preferred Access Gateway Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device has been deactivated.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>The application service is unavailable. Retrying every 5 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application service is available again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your administrator approved this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access went off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure Access stopped connecting.</source>
        <translation type="unfinished"></translation>
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
        <source>Retrying every 5 seconds.</source>
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
</context>
<context>
    <name>SubScreenTitleBar</name>
    <message>
        <source>Back</source>
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
