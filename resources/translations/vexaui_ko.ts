<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Activate</name>
    <message>
        <source>End User License Agreement</source>
        <translation>최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>Request activation</source>
        <translation>활성화 요청</translation>
    </message>
    <message>
        <source>Contact support</source>
        <translation>지원팀에 문의</translation>
    </message>
    <message>
        <source>Activation code</source>
        <translation>활성화 코드</translation>
    </message>
    <message>
        <source>Device name (optional)</source>
        <translation>기기 이름(선택 사항)</translation>
    </message>
    <message>
        <source>Contact your administrator for the activation code</source>
        <translation>활성화 코드는 관리자에게 문의하세요</translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the End User License Agreement</source>
        <translation>최종 사용자 사용권 계약을 읽었으며 이에 동의합니다</translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the</source>
        <translation>다음 약관을 읽었으며 이에 동의합니다</translation>
    </message>
    <message>
        <source>Invalid activation code</source>
        <translation>잘못된 활성화 코드입니다</translation>
    </message>
    <message>
        <source>Invalid device name</source>
        <translation>잘못된 기기 이름입니다</translation>
    </message>
    <message>
        <source>Activation failed due to connectivity issues</source>
        <translation>연결 문제로 활성화하지 못했습니다</translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation>에이전트가 활성화되지 않았습니다</translation>
    </message>
    <message>
        <source>Duplicate device name</source>
        <translation>이미 사용 중인 기기 이름입니다</translation>
    </message>
    <message>
        <source>Device activation is not allowed. Please contact your administrator.</source>
        <translation>기기 활성화가 허용되지 않습니다. 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>Activation code expired</source>
        <translation>활성화 코드가 만료되었습니다</translation>
    </message>
    <message>
        <source>Maximum number of devices reached for your account</source>
        <translation>계정의 최대 기기 수에 도달했습니다</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
</context>
<context>
    <name>ActivationPending</name>
    <message>
        <source>Activation is pending…</source>
        <translation>활성화 대기 중…</translation>
    </message>
    <message>
        <source>Resend verification email</source>
        <translation>확인 이메일 다시 보내기</translation>
    </message>
    <message>
        <source>Check activation status</source>
        <translation>활성화 상태 확인</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation>관리자 승인 대기 중</translation>
    </message>
    <message>
        <source>Your administrator has been notified.</source>
        <translation>관리자에게 알림이 전송되었습니다.</translation>
    </message>
    <message>
        <source>Verification request failed</source>
        <translation>확인 요청에 실패했습니다</translation>
    </message>
    <message>
        <source>Checked at %1</source>
        <translation>%1에 확인함</translation>
    </message>
</context>
<context>
    <name>AnswerWait</name>
    <message>
        <source>The application service did not answer. Please try again.</source>
        <translation>애플리케이션 서비스가 응답하지 않았습니다. 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>AuthEmail</name>
    <message>
        <source>Sign In</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>이메일 주소</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation>잘못된 이메일입니다</translation>
    </message>
    <message>
        <source>Invalid email. Please contact your administrator.</source>
        <translation>잘못된 이메일입니다. 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>OTP resend blocked. Please try again later.</source>
        <translation>OTP 재전송이 차단되었습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>OTP attempts blocked. Please try again later.</source>
        <translation>OTP 입력이 차단되었습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>User registration failed</source>
        <translation>사용자 등록에 실패했습니다</translation>
    </message>
    <message>
        <source>Sign in using your company email address to access the enterprise network from this endpoint.</source>
        <translation>이 기기에서 기업 네트워크에 접속하려면 회사 이메일 주소로 로그인하세요.</translation>
    </message>
    <message>
        <source>Sign in using your %1 email address to access the enterprise network from this endpoint.</source>
        <extracomment>%1 is the name of the user&apos;s company.</extracomment>
        <translation>이 기기에서 기업 네트워크에 접속하려면 %1 이메일 주소로 로그인하세요.</translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation>OTP 입력이 %1 동안 차단됩니다.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The desktop window of the Vexa secure-access agent.</source>
        <translation>Vexa 보안 액세스 에이전트의 데스크톱 창입니다.</translation>
    </message>
    <message>
        <source>Open &lt;rurl&gt; with the desktop&apos;s handler for it at start.</source>
        <translation>시작할 때 &lt;rurl&gt;을(를) 데스크톱에서 해당 주소를 처리하는 프로그램으로 엽니다.</translation>
    </message>
    <message>
        <source>Run for &lt;user&gt; instead of the user of the session.</source>
        <translation>세션 사용자 대신 &lt;user&gt; 사용자로 실행합니다.</translation>
    </message>
    <message>
        <source>If &quot;true&quot;, allow another instance for the same user.</source>
        <translation>&quot;true&quot;이면 같은 사용자에 대해 인스턴스를 하나 더 실행할 수 있습니다.</translation>
    </message>
    <message>
        <source>Write a support report for the helpdesk to &lt;file&gt;.</source>
        <translation>헬프데스크용 지원 보고서를 &lt;file&gt;에 저장합니다.</translation>
    </message>
    <message>
        <source>No window of this user is running, so the report has no link history.</source>
        <translation>이 사용자의 창이 실행 중이 아니므로 보고서에 연결 기록이 없습니다.</translation>
    </message>
    <message>
        <source>Print what the running window of this user shows, and exit.</source>
        <translation>이 사용자의 실행 중인 창에 표시된 내용을 출력하고 종료합니다.</translation>
    </message>
    <message>
        <source>With --status, print it as JSON.</source>
        <translation>--status와 함께 사용하면 JSON으로 출력합니다.</translation>
    </message>
    <message>
        <source>No window of this user is running.</source>
        <translation>이 사용자의 창이 실행 중이 아닙니다.</translation>
    </message>
    <message>
        <source>The window of this user did not answer within %1 s.</source>
        <translation>이 사용자의 창이 %1초 안에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>Could not write the support report to %1: %2</source>
        <translation>지원 보고서를 %1에 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Wrote the support report to %1.</source>
        <translation>지원 보고서를 %1에 저장했습니다.</translation>
    </message>
</context>
<context>
    <name>DesktopNotices</name>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>메시지</translation>
    </message>
    <message>
        <source>Type your message here</source>
        <translation>여기에 메시지를 입력하세요</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>애플리케이션 서비스에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>Enter a subject.</source>
        <translation>제목을 입력하세요.</translation>
    </message>
    <message>
        <source>Failed to submit your feedback</source>
        <translation>피드백을 보내지 못했습니다</translation>
    </message>
    <message>
        <source>Submitting feedback…</source>
        <translation>피드백을 보내는 중…</translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation>에이전트가 활성화되지 않았습니다</translation>
    </message>
    <message>
        <source>Your feedback has been submitted. Ticket ID: %1</source>
        <extracomment>%1 is the ticket number the support desk gave the feedback.</extracomment>
        <translation>피드백을 보냈습니다. 티켓 ID: %1</translation>
    </message>
    <message>
        <source>The application service did not answer. Your feedback may still arrive; if it does, its ticket number will be shown.</source>
        <translation>애플리케이션 서비스가 응답하지 않았습니다. 피드백이 아직 전달될 수 있으며, 전달되면 티켓 ID가 표시됩니다.</translation>
    </message>
    <message>
        <source>Your earlier feedback may still reach the support desk. Send the same message again?</source>
        <translation>이전에 보낸 피드백이 아직 지원 센터에 전달될 수 있습니다. 같은 메시지를 다시 보내시겠습니까?</translation>
    </message>
    <message>
        <source>The message is empty: only the subject is sent.</source>
        <translation>메시지가 비어 있습니다. 제목만 전송됩니다.</translation>
    </message>
</context>
<context>
    <name>FirstRunWords</name>
    <message>
        <source>Unable to connect to the %1 service</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>%1 서비스에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>The %1 service did not answer. Please try again.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>%1 서비스가 응답하지 않았습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The QR code is not available while the %1 service is unreachable.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>%1 서비스에 연결할 수 없는 동안에는 QR 코드를 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Secure Access</source>
        <translation>보안 액세스</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>애플리케이션 서비스에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>User authentication is in progress</source>
        <translation>사용자 인증이 진행 중입니다</translation>
    </message>
    <message>
        <source>User authentication failed</source>
        <translation>사용자 인증에 실패했습니다</translation>
    </message>
    <message>
        <source>User authentication successful</source>
        <translation>사용자 인증에 성공했습니다</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>연결하는 중…</translation>
    </message>
    <message>
        <source>You&apos;re connected!</source>
        <translation>연결되었습니다!</translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation>연결을 끊는 중…</translation>
    </message>
    <message>
        <source>You&apos;re already in the network</source>
        <translation>이미 기업 네트워크에 연결되어 있습니다</translation>
    </message>
    <message>
        <source>You&apos;re not connected</source>
        <translation>연결되지 않았습니다</translation>
    </message>
    <message>
        <source>Your administrator did not approve the activation of this device.</source>
        <translation>관리자가 이 기기의 활성화를 승인하지 않았습니다.</translation>
    </message>
    <message>
        <source>The system could not be restarted. Please restart it yourself.</source>
        <translation>시스템을 다시 시작할 수 없습니다. 직접 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Listing peer devices failed</source>
        <translation>피어 기기 목록을 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켜짐</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>꺼짐</translation>
    </message>
    <message>
        <source>%1 keeps running in the system tray. Click its icon to open the window again.</source>
        <translation>%1 앱은 시스템 트레이에서 계속 실행됩니다. 창을 다시 열려면 아이콘을 클릭하세요.</translation>
    </message>
    <message>
        <source>%1 keeps running while its window is minimized. Find it in the taskbar.</source>
        <translation>%1 앱은 창이 최소화된 상태로 계속 실행됩니다. 작업 표시줄에서 찾을 수 있습니다.</translation>
    </message>
    <message>
        <source>Last known: %1</source>
        <translation>마지막으로 확인된 상태: %1</translation>
    </message>
    <message>
        <source>Getting notifications failed</source>
        <translation>알림을 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>Discovery in progress</source>
        <translation>검색 진행 중</translation>
    </message>
    <message>
        <source>Fetching preferred access gateway information</source>
        <translation>선호 액세스 게이트웨이 정보를 가져오는 중</translation>
    </message>
    <message>
        <source>Checking preferred access gateway reachability</source>
        <translation>선호 액세스 게이트웨이 연결 가능 여부 확인 중</translation>
    </message>
    <message>
        <source>Fetching profile</source>
        <translation>프로필을 가져오는 중</translation>
    </message>
    <message>
        <source>Creating session</source>
        <translation>세션을 만드는 중</translation>
    </message>
    <message>
        <source>Session timed out</source>
        <translation>세션 시간이 초과되었습니다</translation>
    </message>
    <message>
        <source>Your device has been isolated</source>
        <translation>기기가 격리되었습니다</translation>
    </message>
    <message>
        <source>You&apos;re subscribed</source>
        <translation>구독 중입니다</translation>
    </message>
    <message>
        <source>Listing the preferred access gateways failed</source>
        <translation>선호 액세스 게이트웨이 목록을 가져오지 못했습니다</translation>
    </message>
    <message>
        <source>You&apos;re not subscribed to the secure connection</source>
        <translation>보안 연결을 구독하지 않았습니다</translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation>선호 액세스 게이트웨이를 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>Internet access is blocked.</source>
        <translation>인터넷 접속이 차단되었습니다.</translation>
    </message>
    <message>
        <source>Access to the network address %1 has been blocked.</source>
        <translation>네트워크 주소 %1 접속이 차단되었습니다.</translation>
    </message>
    <message>
        <source>Internet access will be blocked at %1.</source>
        <translation>인터넷 접속이 %1에 차단됩니다.</translation>
    </message>
    <message>
        <source>Access to the network address %1 will be blocked at %2.</source>
        <translation>네트워크 주소 %1 접속이 %2에 차단됩니다.</translation>
    </message>
    <message>
        <source>Internet access is enabled.</source>
        <translation>인터넷 접속이 허용되었습니다.</translation>
    </message>
    <message>
        <source>%1 Open %2 to see the compliance details.</source>
        <extracomment>%1 is a notice about network access, %2 the product&apos;s name.</extracomment>
        <translation>%1 규정 준수 정보를 보려면 %2 앱을 여세요.</translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation>정보를 가져오는 중</translation>
    </message>
    <message>
        <source>%1 requires a system restart. Click &apos;OK&apos; to restart the system.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 앱을 사용하려면 시스템을 다시 시작해야 합니다. 시스템을 다시 시작하려면 &apos;확인&apos;을 클릭하세요.</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>확인할 규정 준수 위반 사항 있음</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>확인하는 중…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>Signed in. Secure Access is off: turn it on with the switch above.</source>
        <translation>로그인되었습니다. 보안 액세스가 꺼져 있습니다. 위의 스위치로 켜세요.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Notifications</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>기기 관리</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>프로그램</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>프로세스</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>Network Interfaces</source>
        <translation>네트워크 인터페이스</translation>
    </message>
    <message>
        <source>Operating System Information</source>
        <translation>운영 체제 정보</translation>
    </message>
    <message>
        <source>Hardware Information</source>
        <translation>하드웨어 정보</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>레지스트리</translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation>Windows 방화벽</translation>
    </message>
    <message>
        <source>Trusted Certificates</source>
        <translation>신뢰할 수 있는 인증서</translation>
    </message>
    <message>
        <source>Client Certificate</source>
        <translation>클라이언트 인증서</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Windows Antivirus</source>
        <translation>Windows 바이러스 백신</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Windows Autorun</source>
        <translation>Windows 자동 실행</translation>
    </message>
    <message>
        <source>SMB Shares</source>
        <translation>SMB 공유</translation>
    </message>
    <message>
        <source>Malicious Applications Installed</source>
        <translation>악성 애플리케이션이 설치되어 있습니다</translation>
    </message>
    <message>
        <source>Operating System Version Mismatch</source>
        <translation>운영 체제 버전이 일치하지 않습니다</translation>
    </message>
    <message>
        <source>Risky Certificate Installed</source>
        <translation>위험한 인증서가 설치되어 있습니다</translation>
    </message>
    <message>
        <source>VPN Installed on the System</source>
        <translation>시스템에 VPN이 설치되어 있습니다</translation>
    </message>
    <message>
        <source>Mandatory Applications Not Installed</source>
        <translation>필수 애플리케이션이 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Mandatory Certificate Not Installed</source>
        <translation>필수 인증서가 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>VPN Not Installed on the System</source>
        <translation>시스템에 VPN이 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Malicious Processes Running</source>
        <translation>악성 프로세스가 실행 중입니다</translation>
    </message>
    <message>
        <source>Mandatory Processes Not Running</source>
        <translation>필수 프로세스가 실행되고 있지 않습니다</translation>
    </message>
    <message>
        <source>Risky Ports Open</source>
        <translation>위험한 포트가 열려 있습니다</translation>
    </message>
    <message>
        <source>Mandatory Ports Closed</source>
        <translation>필수 포트가 닫혀 있습니다</translation>
    </message>
    <message>
        <source>Windows Firewall Enabled on the System</source>
        <translation>시스템에서 Windows 방화벽이 켜져 있습니다</translation>
    </message>
    <message>
        <source>Windows Autorun Enabled</source>
        <translation>Windows 자동 실행이 켜져 있습니다</translation>
    </message>
    <message>
        <source>Windows Antivirus Enabled</source>
        <translation>Windows 바이러스 백신이 켜져 있습니다</translation>
    </message>
    <message>
        <source>SMB Sharing Enabled</source>
        <translation>SMB 공유가 켜져 있습니다</translation>
    </message>
    <message>
        <source>Windows Firewall Disabled on the System</source>
        <translation>시스템에서 Windows 방화벽이 꺼져 있습니다</translation>
    </message>
    <message>
        <source>Windows Autorun Disabled</source>
        <translation>Windows 자동 실행이 꺼져 있습니다</translation>
    </message>
    <message>
        <source>Windows Antivirus Disabled</source>
        <translation>Windows 바이러스 백신이 꺼져 있습니다</translation>
    </message>
    <message>
        <source>SMB Sharing Disabled</source>
        <translation>SMB 공유가 꺼져 있습니다</translation>
    </message>
    <message>
        <source>File(s) Found on the System</source>
        <translation>시스템에서 파일이 발견되었습니다</translation>
    </message>
    <message>
        <source>Registry Key Mismatch</source>
        <translation>레지스트리 키가 일치하지 않습니다</translation>
    </message>
    <message>
        <source>File(s) Missing from the System</source>
        <translation>필요한 파일이 시스템에 없습니다</translation>
    </message>
    <message>
        <source>No notifications</source>
        <translation>알림이 없습니다</translation>
    </message>
    <message>
        <source>Malicious Client Certificate Signed by the CA Certificate(s)</source>
        <translation>CA 인증서로 서명된 악성 클라이언트 인증서</translation>
    </message>
    <message>
        <source>No Client Certificate Signed by the CA Certificate(s)</source>
        <translation>CA 인증서로 서명된 클라이언트 인증서가 없습니다</translation>
    </message>
    <message>
        <source>Unexpected operating system found: %1</source>
        <translation>허용되지 않은 운영 체제 발견: %1</translation>
    </message>
    <message>
        <source>Expected operating system: %1</source>
        <translation>필요한 운영 체제: %1</translation>
    </message>
    <message>
        <source>Expected Registry entry: %1</source>
        <translation>필요한 레지스트리 항목: %1</translation>
    </message>
    <message>
        <source>Unexpected Registry entry found: %1</source>
        <translation>허용되지 않은 레지스트리 항목 발견: %1</translation>
    </message>
    <message>
        <source>Vendor: %1</source>
        <translation>공급업체: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>버전: %1</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>명령: %1</translation>
    </message>
    <message>
        <source>Condition: %1</source>
        <translation>조건: %1</translation>
    </message>
    <message>
        <source>Protocol: %1</source>
        <translation>프로토콜: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A registry key and its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>키: %1</translation>
    </message>
    <message>
        <source>Value: %1</source>
        <translation>값: %1</translation>
    </message>
</context>
<context>
    <name>OtpScreen</name>
    <message>
        <source>User Verification</source>
        <translation>사용자 확인</translation>
    </message>
    <message>
        <source>Check your email for the one-time password (OTP) and enter it below</source>
        <translation>이메일로 받은 일회용 비밀번호(OTP)를 아래에 입력하세요</translation>
    </message>
    <message>
        <source>OTP</source>
        <translation>OTP</translation>
    </message>
    <message>
        <source>Resend OTP</source>
        <translation>OTP 다시 보내기</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Invalid OTP</source>
        <translation>잘못된 OTP입니다</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation>잘못된 이메일입니다</translation>
    </message>
    <message>
        <source>OTP resend blocked</source>
        <translation>OTP 재전송이 차단되었습니다</translation>
    </message>
    <message>
        <source>OTP attempts blocked</source>
        <translation>OTP 입력이 차단되었습니다</translation>
    </message>
    <message>
        <source>User association failed</source>
        <translation>사용자를 이 기기와 연동하지 못했습니다</translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the activation screen and try again.</source>
        <translation>이메일 주소를 찾을 수 없습니다. 활성화 화면으로 돌아가서 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the email screen and try again.</source>
        <translation>이메일 주소를 찾을 수 없습니다. 이메일 화면으로 돌아가서 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Your OTP is valid for %1.</source>
        <extracomment>%1 is the time left, as minutes:seconds.</extracomment>
        <translation>OTP는 %1 동안 유효합니다.</translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation>OTP 입력이 %1 동안 차단됩니다.</translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation>숫자만 입력</translation>
    </message>
</context>
<context>
    <name>PagSelection</name>
    <message>
        <source>Preferred Gateway</source>
        <translation>선호 게이트웨이</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>애플리케이션 서비스에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>Out of service</source>
        <translation>서비스 중단</translation>
    </message>
    <message>
        <source>No gateways available</source>
        <translation>사용 가능한 게이트웨이가 없습니다</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>사용 중</translation>
    </message>
    <message>
        <source>Secure Access disconnects while it switches to the chosen gateway. Switch now?</source>
        <translation>선택한 게이트웨이로 전환하는 동안 보안 액세스 연결이 끊어집니다. 지금 전환하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>PeerDevices</name>
    <message>
        <source>Peer Devices</source>
        <translation>피어 기기</translation>
    </message>
    <message>
        <source>Peer list is empty</source>
        <translation>피어 기기가 없습니다</translation>
    </message>
    <message>
        <source>Press Enter to copy the address</source>
        <translation>주소를 복사하려면 Enter 키를 누르세요</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
</context>
<context>
    <name>QRCodeScreen</name>
    <message>
        <source>Regenerate QR</source>
        <translation>QR 다시 생성</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>The QR code could not be displayed. Select &apos;Regenerate QR&apos; to try again.</source>
        <translation>QR 코드를 표시할 수 없습니다. 다시 시도하려면 &apos;QR 다시 생성&apos;을 선택하세요.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Scan this code with your phone to activate this device</source>
        <translation>이 기기를 활성화하려면 휴대폰으로 이 코드를 스캔하세요</translation>
    </message>
    <message>
        <source>If you experience an error with the QR code above, select the &apos;Regenerate QR&apos; button below and repeat the process. If you continue to experience issues, contact your administrator for assistance.</source>
        <translation>위의 QR 코드에 문제가 있으면 아래의 &apos;QR 다시 생성&apos; 버튼을 선택하고 과정을 다시 진행하세요. 문제가 계속되면 관리자에게 도움을 요청하세요.</translation>
    </message>
    <message>
        <source>Waiting for a new code</source>
        <translation>새 코드를 기다리는 중</translation>
    </message>
    <message>
        <source>No QR code has come yet.</source>
        <translation>아직 QR 코드를 받지 못했습니다.</translation>
    </message>
    <message>
        <source>Scan the code below with your phone. This window moves on by itself once the code is scanned.</source>
        <translation>휴대폰으로 아래 코드를 스캔하세요. 코드를 스캔하면 이 창이 자동으로 다음 단계로 넘어갑니다.</translation>
    </message>
    <message>
        <source>Activation by QR code</source>
        <translation>QR 코드로 활성화</translation>
    </message>
    <message>
        <source>QR code ready to scan</source>
        <translation>스캔할 준비가 된 QR 코드</translation>
    </message>
</context>
<context>
    <name>ServiceCode</name>
    <message>
        <source>Enter the account service ID below</source>
        <translation>아래에 계정 서비스 ID를 입력하세요</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>서비스 ID</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>제출</translation>
    </message>
    <message>
        <source>Please enter the account service ID.</source>
        <translation>계정 서비스 ID를 입력하세요.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>SESSION DETAILS</source>
        <translation>세션 정보</translation>
    </message>
    <message>
        <source>Access Gateway</source>
        <translation>액세스 게이트웨이</translation>
    </message>
    <message>
        <source>WAN</source>
        <translation>WAN</translation>
    </message>
    <message>
        <source>External IP</source>
        <translation>외부 IP</translation>
    </message>
    <message>
        <source>Access Gateway IP</source>
        <translation>액세스 게이트웨이 IP</translation>
    </message>
    <message>
        <source>Assigned IP</source>
        <translation>할당된 IP</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>가동 시간</translation>
    </message>
    <message>
        <source>EDR Connection</source>
        <translation>EDR 연결</translation>
    </message>
    <message>
        <source>ACCOUNT DETAILS</source>
        <translation>계정 정보</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>기기 이름</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>TEST CONNECTIVITY</source>
        <translation>연결 테스트</translation>
    </message>
    <message>
        <source>Run test</source>
        <translation>테스트 실행</translation>
    </message>
    <message>
        <source>COMPLIANCE DETAILS</source>
        <translation>규정 준수 정보</translation>
    </message>
    <message>
        <source>PEER DEVICES</source>
        <translation>피어 기기</translation>
    </message>
    <message>
        <source>View all devices</source>
        <translation>모든 기기 보기</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>LEGAL</source>
        <translation>법적 고지</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>서비스 약관</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>개인정보 처리방침</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>최종 사용자 사용권 계약</translation>
    </message>
    <message>
        <source>DEACTIVATION</source>
        <translation>기기 비활성화</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>연결 중…</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>애플리케이션 서비스에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>You are about to sign out. Click &apos;Yes&apos; to continue.</source>
        <translation>로그아웃하려고 합니다. 계속하려면 &apos;예&apos;를 클릭하세요.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>This device has been deactivated.</source>
        <translation>이 기기가 비활성화되었습니다.</translation>
    </message>
    <message>
        <source>%1 %2 [FULL]</source>
        <extracomment>%1 is a network interface, %2 its address; all of the device&apos;s traffic goes through the tunnel.</extracomment>
        <translation>%1 %2 [전체]</translation>
    </message>
    <message>
        <source>%1 %2 [SPLIT]</source>
        <extracomment>%1 is a network interface, %2 its address; only the enterprise&apos;s traffic goes through the tunnel.</extracomment>
        <translation>%1 %2 [분할]</translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation>선호 액세스 게이트웨이를 설정하지 못했습니다</translation>
    </message>
    <message>
        <source>Deactivation failed. Please try again or contact your administrator.</source>
        <translation>비활성화하지 못했습니다. 다시 시도하거나 관리자에게 문의하세요.</translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>비밀번호가 필요합니다</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>비밀번호가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>Deactivation not allowed</source>
        <translation>비활성화가 허용되지 않습니다</translation>
    </message>
    <message>
        <source>Sign-out failed</source>
        <translation>로그아웃하지 못했습니다</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>확인할 규정 준수 위반 사항 있음</translation>
    </message>
    <message>
        <source>Save support report…</source>
        <translation>지원 보고서 저장…</translation>
    </message>
    <message>
        <source>The device leaves your organization and Secure Access stops until it is enrolled again.</source>
        <translation>이 기기는 조직에서 제외되며, 다시 등록할 때까지 보안 액세스가 중지됩니다.</translation>
    </message>
    <message>
        <source>The password must not be empty.</source>
        <translation>비밀번호를 비워 둘 수 없습니다.</translation>
    </message>
    <message>
        <source>Enter the deactivation password from your administrator:</source>
        <translation>관리자에게 받은 비활성화 비밀번호를 입력하세요:</translation>
    </message>
    <message>
        <source>Deactivate this device?</source>
        <translation>이 기기를 비활성화하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>The application service is available again.</source>
        <translation>애플리케이션 서비스를 다시 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Your administrator approved this device.</source>
        <translation>관리자가 이 기기를 승인했습니다.</translation>
    </message>
    <message>
        <source>Secure Access is now off.</source>
        <translation>보안 액세스가 꺼졌습니다.</translation>
    </message>
    <message>
        <source>Secure Access stopped connecting.</source>
        <translation>보안 액세스 연결 시도가 중단되었습니다.</translation>
    </message>
    <message numerus="yes">
        <source>The application service is unavailable. Retrying every %n seconds.</source>
        <translation>
            <numerusform>애플리케이션 서비스를 사용할 수 없습니다. %n초마다 다시 시도합니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Network access blocked</source>
        <translation>네트워크 접속 차단됨</translation>
    </message>
    <message>
        <source>Network access about to be blocked</source>
        <translation>네트워크 접속 차단 예정</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>다시 시작 필요</translation>
    </message>
    <message>
        <source>Device isolated</source>
        <translation>기기 격리됨</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>확인할 규정 준수 위반 사항 있음</translation>
    </message>
    <message>
        <source>Secure Access turned off by your administrator</source>
        <translation>보안 액세스 꺼짐(관리자 설정)</translation>
    </message>
    <message>
        <source>Application service unavailable</source>
        <translation>애플리케이션 서비스 사용 불가</translation>
    </message>
    <message>
        <source>Application service port held by another user</source>
        <translation>다른 사용자가 애플리케이션 서비스 포트를 사용 중</translation>
    </message>
    <message>
        <source>Device not enrolled</source>
        <translation>기기가 등록되지 않음</translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation>관리자 승인 대기 중</translation>
    </message>
    <message>
        <source>Sign-in needed</source>
        <translation>로그인 필요</translation>
    </message>
    <message>
        <source>Secure Access off</source>
        <translation>보안 액세스 꺼짐</translation>
    </message>
    <message>
        <source>Contacting the application service</source>
        <translation>애플리케이션 서비스에 연결 중</translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation>정보를 가져오는 중</translation>
    </message>
    <message>
        <source>Secure Access disconnecting</source>
        <translation>보안 액세스 연결 해제 중</translation>
    </message>
    <message>
        <source>Secure Access connecting</source>
        <translation>보안 액세스 연결 중</translation>
    </message>
    <message>
        <source>Secure Access on</source>
        <translation>보안 액세스 켜짐</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>확인 필요</translation>
    </message>
    <message>
        <source>retrying</source>
        <translation>다시 시도 중</translation>
    </message>
    <message>
        <source>already in the network</source>
        <translation>이미 기업 네트워크에 연결됨</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Ask your administrator to check the application service.</source>
        <translation>관리자에게 애플리케이션 서비스 확인을 요청하세요.</translation>
    </message>
    <message>
        <source>Restart the computer to finish.</source>
        <translation>완료하려면 컴퓨터를 다시 시작하세요.</translation>
    </message>
    <message>
        <source>Ask your administrator for help.</source>
        <translation>관리자에게 도움을 요청하세요.</translation>
    </message>
    <message>
        <source>Open Settings, then Notifications, to see the compliance details.</source>
        <translation>규정 준수 정보를 보려면 설정을 연 다음 알림을 여세요.</translation>
    </message>
    <message numerus="yes">
        <source>Retrying every %n seconds.</source>
        <translation>
            <numerusform>%n초마다 다시 시도합니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SubScreenTitleBar</name>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
</context>
<context>
    <name>SupportPreview</name>
    <message>
        <source>Support report</source>
        <translation>지원 보고서</translation>
    </message>
    <message>
        <source>The report is one file for your helpdesk. It holds:</source>
        <translation>보고서는 헬프데스크에 보낼 파일 하나이며 다음을 담고 있습니다:</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Email addresses, user, device and enterprise names and IP addresses are replaced by placeholders, and passwords, one-time passwords, activation codes and QR codes are never recorded.</source>
        <translation>이메일 주소, 사용자·기기·기업 이름과 IP 주소는 자리 표시자로 바뀌며, 비밀번호, 일회용 비밀번호, 활성화 코드와 QR 코드는 기록되지 않습니다.</translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation>요약 복사</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>저장…</translation>
    </message>
    <message>
        <source>The summary is on the clipboard.</source>
        <translation>요약이 클립보드에 복사되었습니다.</translation>
    </message>
    <message>
        <source>Save support report</source>
        <translation>지원 보고서 저장</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip 압축 파일 (*.zip)</translation>
    </message>
    <message>
        <source>The support report could not be saved: %1</source>
        <translation>지원 보고서를 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The support report was saved as %1.</source>
        <translation>지원 보고서를 %1(으)로 저장했습니다.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>폴더에서 보기</translation>
    </message>
</context>
<context>
    <name>SupportReport</name>
    <message>
        <source>The archive could not be made.</source>
        <translation>압축 파일을 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>this computer, the window and the summary below</source>
        <translation>이 컴퓨터, 창 및 아래 요약</translation>
    </message>
    <message>
        <source>connection events with the application service: %1</source>
        <translation>애플리케이션 서비스 연결 이벤트: %1</translation>
    </message>
    <message>
        <source>the last messages from the application service: %1</source>
        <translation>애플리케이션 서비스의 최근 메시지: %1</translation>
    </message>
    <message>
        <source>requests the window sent: %1</source>
        <translation>창이 보낸 요청: %1</translation>
    </message>
    <message>
        <source>the last state the application service reported</source>
        <translation>애플리케이션 서비스가 마지막으로 보고한 상태</translation>
    </message>
    <message>
        <source>warnings from the window: %1</source>
        <translation>창의 경고: %1</translation>
    </message>
</context>
<context>
    <name>TrayStatus</name>
    <message>
        <source>&amp;Open</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>Secure &amp;Access</source>
        <translation>보안 액세스(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>설정(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>Save support &amp;report…</source>
        <translation>지원 보고서 저장(&amp;R)…</translation>
    </message>
</context>
<context>
    <name>WaitingSpinnerWidget</name>
    <message>
        <source>Please wait</source>
        <translation>잠시 기다려 주세요</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>No application could open this address. Copy it into your web browser:</source>
        <translation>이 주소를 열 수 있는 애플리케이션이 없습니다. 주소를 복사하여 웹 브라우저에 붙여 넣으세요:</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>주소 복사</translation>
    </message>
    <message>
        <source>No application could open this folder. Open it in your file manager:</source>
        <translation>이 폴더를 열 수 있는 애플리케이션이 없습니다. 파일 관리자에서 여세요:</translation>
    </message>
</context>
<context>
    <name>vexaintf</name>
    <message>
        <source>Connection refused: the owner of the application service port could not be verified</source>
        <translation>연결 거부됨: 애플리케이션 서비스 포트의 소유자를 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>Connection refused: the application service port is held by another user (%1)</source>
        <translation>연결 거부됨: 애플리케이션 서비스 포트를 다른 사용자(%1)가 사용하고 있습니다</translation>
    </message>
</context>
</TS>
