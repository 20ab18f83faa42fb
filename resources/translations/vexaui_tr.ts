<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Activate</name>
    <message>
        <source>End User License Agreement</source>
        <translation>Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>Request activation</source>
        <translation>Etkinleştirme talebi gönder</translation>
    </message>
    <message>
        <source>Contact support</source>
        <translation>Destek ekibine ulaşın</translation>
    </message>
    <message>
        <source>Activation code</source>
        <translation>Etkinleştirme kodu</translation>
    </message>
    <message>
        <source>Device name (optional)</source>
        <translation>Cihaz adı (isteğe bağlı)</translation>
    </message>
    <message>
        <source>Contact your administrator for the activation code</source>
        <translation>Etkinleştirme kodu için yöneticinize başvurun</translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the End User License Agreement</source>
        <translation>Son Kullanıcı Lisans Sözleşmesi koşullarını okudum ve kabul ediyorum</translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the</source>
        <translation>Aşağıdaki sözleşmenin koşullarını okudum ve kabul ediyorum</translation>
    </message>
    <message>
        <source>Invalid activation code</source>
        <translation>Geçersiz etkinleştirme kodu</translation>
    </message>
    <message>
        <source>Invalid device name</source>
        <translation>Geçersiz cihaz adı</translation>
    </message>
    <message>
        <source>Activation failed due to connectivity issues</source>
        <translation>Bağlantı sorunları nedeniyle etkinleştirme başarısız oldu</translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation>Aracı etkinleştirilmedi</translation>
    </message>
    <message>
        <source>Duplicate device name</source>
        <translation>Bu cihaz adı zaten kullanılıyor</translation>
    </message>
    <message>
        <source>Device activation is not allowed. Please contact your administrator.</source>
        <translation>Cihaz etkinleştirmesine izin verilmiyor. Lütfen yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Activation code expired</source>
        <translation>Etkinleştirme kodunun süresi doldu</translation>
    </message>
    <message>
        <source>Maximum number of devices reached for your account</source>
        <translation>Hesabınız için izin verilen en fazla cihaz sayısına ulaşıldı</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
</context>
<context>
    <name>ActivationPending</name>
    <message>
        <source>Activation is pending…</source>
        <translation>Etkinleştirme bekleniyor…</translation>
    </message>
    <message>
        <source>Resend verification email</source>
        <translation>Doğrulama e-postasını yeniden gönder</translation>
    </message>
    <message>
        <source>Check activation status</source>
        <translation>Etkinleştirme durumunu denetle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation>Yönetici onayı bekleniyor</translation>
    </message>
    <message>
        <source>Your administrator has been notified.</source>
        <translation>Yöneticinize bildirim gönderildi.</translation>
    </message>
    <message>
        <source>Verification request failed</source>
        <translation>Doğrulama isteği başarısız oldu</translation>
    </message>
    <message>
        <source>Checked at %1</source>
        <translation>Son denetim: %1</translation>
    </message>
</context>
<context>
    <name>AnswerWait</name>
    <message>
        <source>The application service did not answer. Please try again.</source>
        <translation>Uygulama hizmeti yanıt vermedi. Lütfen yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>AuthEmail</name>
    <message>
        <source>Sign In</source>
        <translation>Oturum açma</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>E-posta adresi</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation>Geçersiz e-posta</translation>
    </message>
    <message>
        <source>Invalid email. Please contact your administrator.</source>
        <translation>Geçersiz e-posta. Lütfen yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>OTP resend blocked. Please try again later.</source>
        <translation>OTP yeniden gönderimi engellendi. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>OTP attempts blocked. Please try again later.</source>
        <translation>OTP denemeleri engellendi. Lütfen daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>User registration failed</source>
        <translation>Kullanıcı kaydı başarısız oldu</translation>
    </message>
    <message>
        <source>Sign in using your company email address to access the enterprise network from this endpoint.</source>
        <translation>Bu cihazdan kurumsal ağa erişmek için şirket e-posta adresinizle oturum açın.</translation>
    </message>
    <message>
        <source>Sign in using your %1 email address to access the enterprise network from this endpoint.</source>
        <extracomment>%1 is the name of the user&apos;s company.</extracomment>
        <translation>Bu cihazdan kurumsal ağa erişmek için %1 e-posta adresinizle oturum açın.</translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation>OTP denemeleri engellendi, kalan süre: %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The desktop window of the Vexa secure-access agent.</source>
        <translation>Vexa güvenli erişim aracısının masaüstü penceresi.</translation>
    </message>
    <message>
        <source>Open &lt;rurl&gt; with the desktop&apos;s handler for it at start.</source>
        <translation>Başlangıçta &lt;rurl&gt; adresini masaüstünde onu işleyen programla açar.</translation>
    </message>
    <message>
        <source>Run for &lt;user&gt; instead of the user of the session.</source>
        <translation>Oturumun kullanıcısı yerine &lt;user&gt; için çalışır.</translation>
    </message>
    <message>
        <source>If &quot;true&quot;, allow another instance for the same user.</source>
        <translation>&quot;true&quot; ise aynı kullanıcı için bir örneğin daha çalışmasına izin verir.</translation>
    </message>
    <message>
        <source>Write a support report for the helpdesk to &lt;file&gt;.</source>
        <translation>Yardım masası için &lt;file&gt; dosyasına bir destek raporu yazar.</translation>
    </message>
    <message>
        <source>No window of this user is running, so the report has no link history.</source>
        <translation>Bu kullanıcının çalışan bir penceresi yok, bu nedenle raporda bağlantı geçmişi yok.</translation>
    </message>
    <message>
        <source>Print what the running window of this user shows, and exit.</source>
        <translation>Bu kullanıcının çalışan penceresinin gösterdiğini yazdırır ve çıkar.</translation>
    </message>
    <message>
        <source>With --status, print it as JSON.</source>
        <translation>--status ile birlikte JSON olarak yazdırır.</translation>
    </message>
    <message>
        <source>No window of this user is running.</source>
        <translation>Bu kullanıcının çalışan bir penceresi yok.</translation>
    </message>
    <message>
        <source>The window of this user did not answer within %1 s.</source>
        <translation>Bu kullanıcının penceresi %1 sn içinde yanıt vermedi.</translation>
    </message>
    <message>
        <source>Could not write the support report to %1: %2</source>
        <translation>Destek raporu %1 konumuna yazılamadı: %2</translation>
    </message>
    <message>
        <source>Wrote the support report to %1.</source>
        <translation>Destek raporu %1 konumuna yazıldı.</translation>
    </message>
</context>
<context>
    <name>DesktopNotices</name>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Feedback</source>
        <translation>Geri bildirim</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>KONU</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MESAJ</translation>
    </message>
    <message>
        <source>Type your message here</source>
        <translation>Mesajınızı buraya yazın</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>Uygulama hizmetine bağlanılamıyor</translation>
    </message>
    <message>
        <source>Enter a subject.</source>
        <translation>Bir konu girin.</translation>
    </message>
    <message>
        <source>Failed to submit your feedback</source>
        <translation>Geri bildiriminiz gönderilemedi</translation>
    </message>
    <message>
        <source>Submitting feedback…</source>
        <translation>Geri bildirim gönderiliyor…</translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation>Aracı etkinleştirilmedi</translation>
    </message>
    <message>
        <source>Your feedback has been submitted. Ticket ID: %1</source>
        <extracomment>%1 is the ticket number the support desk gave the feedback.</extracomment>
        <translation>Geri bildiriminiz gönderildi. Talep kimliği: %1</translation>
    </message>
    <message>
        <source>The application service did not answer. Your feedback may still arrive; if it does, its ticket number will be shown.</source>
        <translation>Uygulama hizmeti yanıt vermedi. Geri bildiriminiz yine de ulaşabilir; ulaşırsa talep kimliği gösterilecektir.</translation>
    </message>
    <message>
        <source>Your earlier feedback may still reach the support desk. Send the same message again?</source>
        <translation>Önceki geri bildiriminiz destek ekibine yine de ulaşabilir. Aynı mesajı yeniden göndermek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The message is empty: only the subject is sent.</source>
        <translation>Mesaj boş: yalnızca konu gönderilir.</translation>
    </message>
</context>
<context>
    <name>FirstRunWords</name>
    <message>
        <source>Unable to connect to the %1 service</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>%1 hizmetine bağlanılamıyor</translation>
    </message>
    <message>
        <source>The %1 service did not answer. Please try again.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>%1 hizmeti yanıt vermedi. Lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>The QR code is not available while the %1 service is unreachable.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>%1 hizmetine ulaşılamadığı sürece QR kodu kullanılamaz.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Secure Access</source>
        <translation>Güvenli Erişim</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>Uygulama hizmetine bağlanılamıyor</translation>
    </message>
    <message>
        <source>User authentication is in progress</source>
        <translation>Kullanıcı kimlik doğrulaması sürüyor</translation>
    </message>
    <message>
        <source>User authentication failed</source>
        <translation>Kullanıcı kimlik doğrulaması başarısız oldu</translation>
    </message>
    <message>
        <source>User authentication successful</source>
        <translation>Kullanıcı kimliği doğrulandı</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Bağlanıyor…</translation>
    </message>
    <message>
        <source>You&apos;re connected!</source>
        <translation>Bağlandınız!</translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation>Bağlantı kesiliyor…</translation>
    </message>
    <message>
        <source>You&apos;re already in the network</source>
        <translation>Zaten kurumsal ağa bağlısınız</translation>
    </message>
    <message>
        <source>You&apos;re not connected</source>
        <translation>Bağlı değilsiniz</translation>
    </message>
    <message>
        <source>Your administrator did not approve the activation of this device.</source>
        <translation>Yöneticiniz bu cihazın etkinleştirilmesini onaylamadı.</translation>
    </message>
    <message>
        <source>The system could not be restarted. Please restart it yourself.</source>
        <translation>Sistem yeniden başlatılamadı. Lütfen sistemi kendiniz yeniden başlatın.</translation>
    </message>
    <message>
        <source>Listing peer devices failed</source>
        <translation>Eş cihazlar listelenemedi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>%1 keeps running in the system tray. Click its icon to open the window again.</source>
        <translation>%1 sistem tepsisinde çalışmaya devam ediyor. Pencereyi yeniden açmak için simgesine tıklayın.</translation>
    </message>
    <message>
        <source>%1 keeps running while its window is minimized. Find it in the taskbar.</source>
        <translation>%1, penceresi simge durumuna küçültülmüş olarak çalışmaya devam ediyor. Görev çubuğunda bulabilirsiniz.</translation>
    </message>
    <message>
        <source>Last known: %1</source>
        <translation>Bilinen son durum: %1</translation>
    </message>
    <message>
        <source>Getting notifications failed</source>
        <translation>Bildirimler alınamadı</translation>
    </message>
    <message>
        <source>Discovery in progress</source>
        <translation>Bulma işlemi sürüyor</translation>
    </message>
    <message>
        <source>Fetching preferred access gateway information</source>
        <translation>Tercih edilen erişim ağ geçidinin bilgileri alınıyor</translation>
    </message>
    <message>
        <source>Checking preferred access gateway reachability</source>
        <translation>Tercih edilen erişim ağ geçidinin erişilebilirliği denetleniyor</translation>
    </message>
    <message>
        <source>Fetching profile</source>
        <translation>Profil alınıyor</translation>
    </message>
    <message>
        <source>Creating session</source>
        <translation>Oturum oluşturuluyor</translation>
    </message>
    <message>
        <source>Session timed out</source>
        <translation>Oturum zaman aşımına uğradı</translation>
    </message>
    <message>
        <source>Your device has been isolated</source>
        <translation>Cihazınız yalıtıldı</translation>
    </message>
    <message>
        <source>You&apos;re subscribed</source>
        <translation>Abonesiniz</translation>
    </message>
    <message>
        <source>Listing the preferred access gateways failed</source>
        <translation>Tercih edilen erişim ağ geçitleri listelenemedi</translation>
    </message>
    <message>
        <source>You&apos;re not subscribed to the secure connection</source>
        <translation>Güvenli bağlantı aboneliğiniz yok</translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation>Tercih edilen erişim ağ geçidi ayarlanamadı</translation>
    </message>
    <message>
        <source>Internet access is blocked.</source>
        <translation>İnternet erişimi engellendi.</translation>
    </message>
    <message>
        <source>Access to the network address %1 has been blocked.</source>
        <translation>Ağ adresi %1 için erişim engellendi.</translation>
    </message>
    <message>
        <source>Internet access will be blocked at %1.</source>
        <translation>İnternet erişimi saat %1 itibarıyla engellenecek.</translation>
    </message>
    <message>
        <source>Access to the network address %1 will be blocked at %2.</source>
        <translation>Ağ adresi %1 için erişim saat %2 itibarıyla engellenecek.</translation>
    </message>
    <message>
        <source>Internet access is enabled.</source>
        <translation>İnternet erişimi açıldı.</translation>
    </message>
    <message>
        <source>%1 Open %2 to see the compliance details.</source>
        <extracomment>%1 is a notice about network access, %2 the product&apos;s name.</extracomment>
        <translation>%1 Uyumluluk ayrıntılarını görmek için %2 uygulamasını açın.</translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation>Bilgiler alınıyor</translation>
    </message>
    <message>
        <source>%1 requires a system restart. Click &apos;OK&apos; to restart the system.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 için sistemin yeniden başlatılması gerekiyor. Sistemi yeniden başlatmak için &apos;Tamam&apos;a tıklayın.</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>İncelenecek uyumluluk bulguları var</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Kontrol ediliyor…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Signed in. Secure Access is off: turn it on with the switch above.</source>
        <translation>Oturum açıldı. Güvenli Erişim kapalı: yukarıdaki anahtarla açın.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Notifications</source>
        <translation>Bildirimler</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Cihaz yönetimi</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programlar</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>İşlemler</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Bağlantı noktaları</translation>
    </message>
    <message>
        <source>Network Interfaces</source>
        <translation>Ağ arabirimleri</translation>
    </message>
    <message>
        <source>Operating System Information</source>
        <translation>İşletim sistemi bilgileri</translation>
    </message>
    <message>
        <source>Hardware Information</source>
        <translation>Donanım bilgileri</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Kayıt Defteri</translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation>Windows Güvenlik Duvarı</translation>
    </message>
    <message>
        <source>Trusted Certificates</source>
        <translation>Güvenilen sertifikalar</translation>
    </message>
    <message>
        <source>Client Certificate</source>
        <translation>İstemci sertifikası</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Windows Antivirus</source>
        <translation>Windows Virüsten Koruma</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dosyalar</translation>
    </message>
    <message>
        <source>Windows Autorun</source>
        <translation>Windows Otomatik Çalıştırma</translation>
    </message>
    <message>
        <source>SMB Shares</source>
        <translation>SMB paylaşımları</translation>
    </message>
    <message>
        <source>Malicious Applications Installed</source>
        <translation>Kötü amaçlı uygulamalar yüklü</translation>
    </message>
    <message>
        <source>Operating System Version Mismatch</source>
        <translation>İşletim sistemi sürümü uyuşmuyor</translation>
    </message>
    <message>
        <source>Risky Certificate Installed</source>
        <translation>Riskli sertifika yüklü</translation>
    </message>
    <message>
        <source>VPN Installed on the System</source>
        <translation>Sistemde VPN yüklü</translation>
    </message>
    <message>
        <source>Mandatory Applications Not Installed</source>
        <translation>Zorunlu uygulamalar yüklü değil</translation>
    </message>
    <message>
        <source>Mandatory Certificate Not Installed</source>
        <translation>Zorunlu sertifika yüklü değil</translation>
    </message>
    <message>
        <source>VPN Not Installed on the System</source>
        <translation>Sistemde VPN yüklü değil</translation>
    </message>
    <message>
        <source>Malicious Processes Running</source>
        <translation>Kötü amaçlı işlemler çalışıyor</translation>
    </message>
    <message>
        <source>Mandatory Processes Not Running</source>
        <translation>Zorunlu işlemler çalışmıyor</translation>
    </message>
    <message>
        <source>Risky Ports Open</source>
        <translation>Riskli bağlantı noktaları açık</translation>
    </message>
    <message>
        <source>Mandatory Ports Closed</source>
        <translation>Zorunlu bağlantı noktaları kapalı</translation>
    </message>
    <message>
        <source>Windows Firewall Enabled on the System</source>
        <translation>Sistemde Windows Güvenlik Duvarı etkin</translation>
    </message>
    <message>
        <source>Windows Autorun Enabled</source>
        <translation>Windows Otomatik Çalıştırma etkin</translation>
    </message>
    <message>
        <source>Windows Antivirus Enabled</source>
        <translation>Windows Virüsten Koruma etkin</translation>
    </message>
    <message>
        <source>SMB Sharing Enabled</source>
        <translation>SMB paylaşımı etkin</translation>
    </message>
    <message>
        <source>Windows Firewall Disabled on the System</source>
        <translation>Sistemde Windows Güvenlik Duvarı devre dışı</translation>
    </message>
    <message>
        <source>Windows Autorun Disabled</source>
        <translation>Windows Otomatik Çalıştırma devre dışı</translation>
    </message>
    <message>
        <source>Windows Antivirus Disabled</source>
        <translation>Windows Virüsten Koruma devre dışı</translation>
    </message>
    <message>
        <source>SMB Sharing Disabled</source>
        <translation>SMB paylaşımı devre dışı</translation>
    </message>
    <message>
        <source>File(s) Found on the System</source>
        <translation>Sistemde dosya bulundu</translation>
    </message>
    <message>
        <source>Registry Key Mismatch</source>
        <translation>Kayıt Defteri anahtarı uyuşmuyor</translation>
    </message>
    <message>
        <source>File(s) Missing from the System</source>
        <translation>Sistemde dosya eksik</translation>
    </message>
    <message>
        <source>No notifications</source>
        <translation>Bildirim yok</translation>
    </message>
    <message>
        <source>Malicious Client Certificate Signed by the CA Certificate(s)</source>
        <translation>CA sertifikalarınca imzalanmış kötü amaçlı istemci sertifikası</translation>
    </message>
    <message>
        <source>No Client Certificate Signed by the CA Certificate(s)</source>
        <translation>CA sertifikalarınca imzalanmış istemci sertifikası yok</translation>
    </message>
    <message>
        <source>Unexpected operating system found: %1</source>
        <translation>Beklenmeyen işletim sistemi bulundu: %1</translation>
    </message>
    <message>
        <source>Expected operating system: %1</source>
        <translation>Beklenen işletim sistemi: %1</translation>
    </message>
    <message>
        <source>Expected Registry entry: %1</source>
        <translation>Beklenen Kayıt Defteri girdisi: %1</translation>
    </message>
    <message>
        <source>Unexpected Registry entry found: %1</source>
        <translation>Beklenmeyen Kayıt Defteri girdisi bulundu: %1</translation>
    </message>
    <message>
        <source>Vendor: %1</source>
        <translation>Satıcı: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Sürüm: %1</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>Komut: %1</translation>
    </message>
    <message>
        <source>Condition: %1</source>
        <translation>Koşul: %1</translation>
    </message>
    <message>
        <source>Protocol: %1</source>
        <translation>Protokol: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A registry key and its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Anahtar: %1</translation>
    </message>
    <message>
        <source>Value: %1</source>
        <translation>Değer: %1</translation>
    </message>
</context>
<context>
    <name>OtpScreen</name>
    <message>
        <source>User Verification</source>
        <translation>Kullanıcı doğrulaması</translation>
    </message>
    <message>
        <source>Check your email for the one-time password (OTP) and enter it below</source>
        <translation>E-postanıza gönderilen tek kullanımlık parolayı (OTP) aşağıya girin</translation>
    </message>
    <message>
        <source>OTP</source>
        <translation>OTP</translation>
    </message>
    <message>
        <source>Resend OTP</source>
        <translation>OTP&apos;yi yeniden gönder</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Invalid OTP</source>
        <translation>Geçersiz OTP</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation>Geçersiz e-posta</translation>
    </message>
    <message>
        <source>OTP resend blocked</source>
        <translation>OTP yeniden gönderimi engellendi</translation>
    </message>
    <message>
        <source>OTP attempts blocked</source>
        <translation>OTP denemeleri engellendi</translation>
    </message>
    <message>
        <source>User association failed</source>
        <translation>Kullanıcı ilişkilendirilemedi</translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the activation screen and try again.</source>
        <translation>E-posta adresi bulunamadı. Lütfen etkinleştirme ekranına dönüp yeniden deneyin.</translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the email screen and try again.</source>
        <translation>E-posta adresi bulunamadı. Lütfen e-posta ekranına dönüp yeniden deneyin.</translation>
    </message>
    <message>
        <source>Your OTP is valid for %1.</source>
        <extracomment>%1 is the time left, as minutes:seconds.</extracomment>
        <translation>OTP&apos;nizin kalan geçerlilik süresi: %1.</translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation>OTP denemeleri engellendi, kalan süre: %1.</translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation>Yalnızca rakam</translation>
    </message>
</context>
<context>
    <name>PagSelection</name>
    <message>
        <source>Preferred Gateway</source>
        <translation>Tercih edilen ağ geçidi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>Uygulama hizmetine bağlanılamıyor</translation>
    </message>
    <message>
        <source>Out of service</source>
        <translation>Hizmet dışı</translation>
    </message>
    <message>
        <source>No gateways available</source>
        <translation>Kullanılabilir ağ geçidi yok</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Kullanımda</translation>
    </message>
    <message>
        <source>Secure Access disconnects while it switches to the chosen gateway. Switch now?</source>
        <translation>Güvenli Erişim, seçilen ağ geçidine geçerken bağlantıyı keser. Şimdi geçmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>PeerDevices</name>
    <message>
        <source>Peer Devices</source>
        <translation>Eş cihazlar</translation>
    </message>
    <message>
        <source>Peer list is empty</source>
        <translation>Eş cihaz listesi boş</translation>
    </message>
    <message>
        <source>Press Enter to copy the address</source>
        <translation>Adresi kopyalamak için Enter tuşuna basın</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
</context>
<context>
    <name>QRCodeScreen</name>
    <message>
        <source>Regenerate QR</source>
        <translation>QR kodunu yenile</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>The QR code could not be displayed. Select &apos;Regenerate QR&apos; to try again.</source>
        <translation>QR kodu görüntülenemedi. Yeniden denemek için &apos;QR kodunu yenile&apos; düğmesini seçin.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Scan this code with your phone to activate this device</source>
        <translation>Bu cihazı etkinleştirmek için bu kodu telefonunuzla tarayın</translation>
    </message>
    <message>
        <source>If you experience an error with the QR code above, select the &apos;Regenerate QR&apos; button below and repeat the process. If you continue to experience issues, contact your administrator for assistance.</source>
        <translation>Yukarıdaki QR kodunda bir hata olursa aşağıdaki &apos;QR kodunu yenile&apos; düğmesini seçip işlemi yineleyin. Sorun sürerse yardım için yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Waiting for a new code</source>
        <translation>Yeni kod bekleniyor</translation>
    </message>
    <message>
        <source>No QR code has come yet.</source>
        <translation>Henüz QR kodu gelmedi.</translation>
    </message>
    <message>
        <source>Scan the code below with your phone. This window moves on by itself once the code is scanned.</source>
        <translation>Aşağıdaki kodu telefonunuzla tarayın. Kod tarandığında bu pencere kendiliğinden devam eder.</translation>
    </message>
    <message>
        <source>Activation by QR code</source>
        <translation>QR kodu ile etkinleştirme</translation>
    </message>
    <message>
        <source>QR code ready to scan</source>
        <translation>Taranmaya hazır QR kodu</translation>
    </message>
</context>
<context>
    <name>ServiceCode</name>
    <message>
        <source>Enter the account service ID below</source>
        <translation>Hesap hizmet kimliğini aşağıya girin</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Hizmet kimliği</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>Please enter the account service ID.</source>
        <translation>Lütfen hesap hizmet kimliğini girin.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>SESSION DETAILS</source>
        <translation>OTURUM AYRINTILARI</translation>
    </message>
    <message>
        <source>Access Gateway</source>
        <translation>Erişim ağ geçidi</translation>
    </message>
    <message>
        <source>WAN</source>
        <translation>WAN</translation>
    </message>
    <message>
        <source>External IP</source>
        <translation>Dış IP</translation>
    </message>
    <message>
        <source>Access Gateway IP</source>
        <translation>Erişim ağ geçidi IP&apos;si</translation>
    </message>
    <message>
        <source>Assigned IP</source>
        <translation>Atanan IP</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Çalışma süresi</translation>
    </message>
    <message>
        <source>EDR Connection</source>
        <translation>EDR bağlantısı</translation>
    </message>
    <message>
        <source>ACCOUNT DETAILS</source>
        <translation>HESAP AYRINTILARI</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Cihaz adı</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>TEST CONNECTIVITY</source>
        <translation>BAĞLANTI TESTİ</translation>
    </message>
    <message>
        <source>Run test</source>
        <translation>Testi çalıştır</translation>
    </message>
    <message>
        <source>COMPLIANCE DETAILS</source>
        <translation>UYUMLULUK AYRINTILARI</translation>
    </message>
    <message>
        <source>PEER DEVICES</source>
        <translation>EŞ CİHAZLAR</translation>
    </message>
    <message>
        <source>View all devices</source>
        <translation>Tüm cihazları görüntüle</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>DESTEK</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Geri bildirim</translation>
    </message>
    <message>
        <source>LEGAL</source>
        <translation>YASAL BİLGİLER</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>Hizmet Koşulları</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Gizlilik Politikası</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Son Kullanıcı Lisans Sözleşmesi</translation>
    </message>
    <message>
        <source>DEACTIVATION</source>
        <translation>DEVRE DIŞI BIRAKMA</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Devre dışı bırak</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>HAKKINDA</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Oturumu kapat</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Bağlı</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Bağlanıyor…</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Oturum aç</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>Uygulama hizmetine bağlanılamıyor</translation>
    </message>
    <message>
        <source>You are about to sign out. Click &apos;Yes&apos; to continue.</source>
        <translation>Oturumunuz kapatılacak. Devam etmek için &apos;Evet&apos;e tıklayın.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Bildirimler</translation>
    </message>
    <message>
        <source>This device has been deactivated.</source>
        <translation>Bu cihaz devre dışı bırakıldı.</translation>
    </message>
    <message>
        <source>%1 %2 [FULL]</source>
        <extracomment>%1 is a network interface, %2 its address; all of the device&apos;s traffic goes through the tunnel.</extracomment>
        <translation>%1 %2 [TAM]</translation>
    </message>
    <message>
        <source>%1 %2 [SPLIT]</source>
        <extracomment>%1 is a network interface, %2 its address; only the enterprise&apos;s traffic goes through the tunnel.</extracomment>
        <translation>%1 %2 [BÖLÜNMÜŞ]</translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation>Tercih edilen erişim ağ geçidi ayarlanamadı</translation>
    </message>
    <message>
        <source>Deactivation failed. Please try again or contact your administrator.</source>
        <translation>Devre dışı bırakma başarısız oldu. Lütfen yeniden deneyin veya yöneticinize başvurun.</translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>Parola gerekli</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Yanlış parola</translation>
    </message>
    <message>
        <source>Deactivation not allowed</source>
        <translation>Devre dışı bırakmaya izin verilmiyor</translation>
    </message>
    <message>
        <source>Sign-out failed</source>
        <translation>Oturum kapatılamadı</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>İncelenecek uyumluluk bulguları var</translation>
    </message>
    <message>
        <source>Save support report…</source>
        <translation>Destek raporunu kaydet…</translation>
    </message>
    <message>
        <source>The device leaves your organization and Secure Access stops until it is enrolled again.</source>
        <translation>Cihaz kuruluşunuzdan ayrılır ve yeniden kaydedilene kadar Güvenli Erişim durur.</translation>
    </message>
    <message>
        <source>The password must not be empty.</source>
        <translation>Parola boş olamaz.</translation>
    </message>
    <message>
        <source>Enter the deactivation password from your administrator:</source>
        <translation>Yöneticinizden aldığınız devre dışı bırakma parolasını girin:</translation>
    </message>
    <message>
        <source>Deactivate this device?</source>
        <translation>Bu cihaz devre dışı bırakılsın mı?</translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>The application service is available again.</source>
        <translation>Uygulama hizmeti yeniden kullanılabilir durumda.</translation>
    </message>
    <message>
        <source>Your administrator approved this device.</source>
        <translation>Yöneticiniz bu cihazı onayladı.</translation>
    </message>
    <message>
        <source>Secure Access is now off.</source>
        <translation>Güvenli Erişim kapandı.</translation>
    </message>
    <message>
        <source>Secure Access stopped connecting.</source>
        <translation>Güvenli Erişim bağlanmayı durdurdu.</translation>
    </message>
    <message numerus="yes">
        <source>The application service is unavailable. Retrying every %n seconds.</source>
        <translation>
            <numerusform>Uygulama hizmeti kullanılamıyor. %n saniyede bir yeniden deneniyor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Network access blocked</source>
        <translation>Ağ erişimi engellendi</translation>
    </message>
    <message>
        <source>Network access about to be blocked</source>
        <translation>Ağ erişimi birazdan engellenecek</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>Yeniden başlatma gerekli</translation>
    </message>
    <message>
        <source>Device isolated</source>
        <translation>Cihaz yalıtıldı</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>İncelenecek uyumluluk bulguları var</translation>
    </message>
    <message>
        <source>Secure Access turned off by your administrator</source>
        <translation>Güvenli Erişim yöneticiniz tarafından kapatıldı</translation>
    </message>
    <message>
        <source>Application service unavailable</source>
        <translation>Uygulama hizmeti kullanılamıyor</translation>
    </message>
    <message>
        <source>Application service port held by another user</source>
        <translation>Uygulama hizmeti bağlantı noktası başka bir kullanıcıda</translation>
    </message>
    <message>
        <source>Device not enrolled</source>
        <translation>Cihaz kayıtlı değil</translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation>Yönetici onayı bekleniyor</translation>
    </message>
    <message>
        <source>Sign-in needed</source>
        <translation>Oturum açmanız gerekiyor</translation>
    </message>
    <message>
        <source>Secure Access off</source>
        <translation>Güvenli Erişim kapalı</translation>
    </message>
    <message>
        <source>Contacting the application service</source>
        <translation>Uygulama hizmetine bağlanılıyor</translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation>Bilgiler alınıyor</translation>
    </message>
    <message>
        <source>Secure Access disconnecting</source>
        <translation>Güvenli Erişim bağlantısı kesiliyor</translation>
    </message>
    <message>
        <source>Secure Access connecting</source>
        <translation>Güvenli Erişim bağlanıyor</translation>
    </message>
    <message>
        <source>Secure Access on</source>
        <translation>Güvenli Erişim açık</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>İlgilenmeniz gerekiyor</translation>
    </message>
    <message>
        <source>retrying</source>
        <translation>yeniden deneniyor</translation>
    </message>
    <message>
        <source>already in the network</source>
        <translation>zaten kurumsal ağda</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Ask your administrator to check the application service.</source>
        <translation>Uygulama hizmetini denetlemesini yöneticinizden isteyin.</translation>
    </message>
    <message>
        <source>Restart the computer to finish.</source>
        <translation>İşlemi tamamlamak için bilgisayarı yeniden başlatın.</translation>
    </message>
    <message>
        <source>Ask your administrator for help.</source>
        <translation>Yöneticinizden yardım isteyin.</translation>
    </message>
    <message>
        <source>Open Settings, then Notifications, to see the compliance details.</source>
        <translation>Uyumluluk ayrıntılarını görmek için Ayarlar&apos;ı, ardından Bildirimler&apos;i açın.</translation>
    </message>
    <message numerus="yes">
        <source>Retrying every %n seconds.</source>
        <translation>
            <numerusform>%n saniyede bir yeniden deneniyor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SubScreenTitleBar</name>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
</context>
<context>
    <name>SupportPreview</name>
    <message>
        <source>Support report</source>
        <translation>Destek raporu</translation>
    </message>
    <message>
        <source>The report is one file for your helpdesk. It holds:</source>
        <translation>Rapor, yardım masanız için tek bir dosyadır. İçeriği:</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>Email addresses, user, device and enterprise names and IP addresses are replaced by placeholders, and passwords, one-time passwords, activation codes and QR codes are never recorded.</source>
        <translation>E-posta adresleri, kullanıcı, cihaz ve kuruluş adları ile IP adresleri yer tutucularla değiştirilir; parolalar, tek kullanımlık parolalar, etkinleştirme kodları ve QR kodları hiçbir zaman kaydedilmez.</translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation>Özeti kopyala</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Kaydet…</translation>
    </message>
    <message>
        <source>The summary is on the clipboard.</source>
        <translation>Özet panoya kopyalandı.</translation>
    </message>
    <message>
        <source>Save support report</source>
        <translation>Destek raporunu kaydet</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Zip arşivleri (*.zip)</translation>
    </message>
    <message>
        <source>The support report could not be saved: %1</source>
        <translation>Destek raporu kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>The support report was saved as %1.</source>
        <translation>Destek raporu %1 olarak kaydedildi.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Klasörde göster</translation>
    </message>
</context>
<context>
    <name>SupportReport</name>
    <message>
        <source>The archive could not be made.</source>
        <translation>Arşiv oluşturulamadı.</translation>
    </message>
    <message>
        <source>this computer, the window and the summary below</source>
        <translation>bu bilgisayar, pencere ve aşağıdaki özet</translation>
    </message>
    <message>
        <source>connection events with the application service: %1</source>
        <translation>uygulama hizmetiyle bağlantı olayları: %1</translation>
    </message>
    <message>
        <source>the last messages from the application service: %1</source>
        <translation>uygulama hizmetinden gelen son iletiler: %1</translation>
    </message>
    <message>
        <source>requests the window sent: %1</source>
        <translation>pencerenin gönderdiği istekler: %1</translation>
    </message>
    <message>
        <source>the last state the application service reported</source>
        <translation>uygulama hizmetinin bildirdiği son durum</translation>
    </message>
    <message>
        <source>warnings from the window: %1</source>
        <translation>pencerenin uyarıları: %1</translation>
    </message>
</context>
<context>
    <name>TrayStatus</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>Secure &amp;Access</source>
        <translation>&amp;Güvenli Erişim</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>A&amp;yarlar</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Save support &amp;report…</source>
        <translation>Destek &amp;raporunu kaydet…</translation>
    </message>
</context>
<context>
    <name>WaitingSpinnerWidget</name>
    <message>
        <source>Please wait</source>
        <translation>Lütfen bekleyin</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>No application could open this address. Copy it into your web browser:</source>
        <translation>Bu adresi açabilecek bir uygulama bulunamadı. Adresi kopyalayıp web tarayıcınıza yapıştırın:</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>Adresi kopyala</translation>
    </message>
    <message>
        <source>No application could open this folder. Open it in your file manager:</source>
        <translation>Bu klasörü açabilecek bir uygulama bulunamadı. Dosya yöneticinizde açın:</translation>
    </message>
</context>
<context>
    <name>vexaintf</name>
    <message>
        <source>Connection refused: the owner of the application service port could not be verified</source>
        <translation>Bağlantı reddedildi: uygulama hizmeti bağlantı noktasının sahibi doğrulanamadı</translation>
    </message>
    <message>
        <source>Connection refused: the application service port is held by another user (%1)</source>
        <translation>Bağlantı reddedildi: uygulama hizmeti bağlantı noktası başka bir kullanıcıda (%1)</translation>
    </message>
</context>
</TS>
