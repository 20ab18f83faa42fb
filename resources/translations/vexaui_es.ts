<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Activate</name>
    <message>
        <source>End User License Agreement</source>
        <translation>Contrato de licencia para el usuario final</translation>
    </message>
    <message>
        <source>Request activation</source>
        <translation>Solicitar activación</translation>
    </message>
    <message>
        <source>Contact support</source>
        <translation>Contactar con soporte</translation>
    </message>
    <message>
        <source>Activation code</source>
        <translation>Código de activación</translation>
    </message>
    <message>
        <source>Device name (optional)</source>
        <translation>Nombre del dispositivo (opcional)</translation>
    </message>
    <message>
        <source>Contact your administrator for the activation code</source>
        <translation>Solicite el código de activación a su administrador</translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the End User License Agreement</source>
        <translation>He leído y acepto los términos del Contrato de licencia para el usuario final</translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the</source>
        <translation>He leído y acepto los términos del</translation>
    </message>
    <message>
        <source>Invalid activation code</source>
        <translation>Código de activación no válido</translation>
    </message>
    <message>
        <source>Invalid device name</source>
        <translation>Nombre de dispositivo no válido</translation>
    </message>
    <message>
        <source>Activation failed due to connectivity issues</source>
        <translation>Error de activación por problemas de conectividad</translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation>Agente no activado</translation>
    </message>
    <message>
        <source>Duplicate device name</source>
        <translation>Nombre de dispositivo duplicado</translation>
    </message>
    <message>
        <source>Device activation is not allowed. Please contact your administrator.</source>
        <translation>No se permite la activación del dispositivo. Póngase en contacto con su administrador.</translation>
    </message>
    <message>
        <source>Activation code expired</source>
        <translation>El código de activación ha expirado</translation>
    </message>
    <message>
        <source>Maximum number of devices reached for your account</source>
        <translation>Se ha alcanzado el número máximo de dispositivos de su cuenta</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
</context>
<context>
    <name>ActivationPending</name>
    <message>
        <source>Activation is pending…</source>
        <translation>Activación pendiente…</translation>
    </message>
    <message>
        <source>Resend verification email</source>
        <translation>Reenviar correo de verificación</translation>
    </message>
    <message>
        <source>Check activation status</source>
        <translation>Comprobar estado de activación</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation>Esperando la aprobación del administrador</translation>
    </message>
    <message>
        <source>Your administrator has been notified.</source>
        <translation>Se ha notificado a su administrador.</translation>
    </message>
    <message>
        <source>Verification request failed</source>
        <translation>Error en la solicitud de verificación</translation>
    </message>
    <message>
        <source>Checked at %1</source>
        <translation>Última comprobación: %1</translation>
    </message>
</context>
<context>
    <name>AnswerWait</name>
    <message>
        <source>The application service did not answer. Please try again.</source>
        <translation>El servicio de la aplicación no respondió. Inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>AuthEmail</name>
    <message>
        <source>Sign In</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation>Correo electrónico no válido</translation>
    </message>
    <message>
        <source>Invalid email. Please contact your administrator.</source>
        <translation>Correo electrónico no válido. Póngase en contacto con su administrador.</translation>
    </message>
    <message>
        <source>OTP resend blocked. Please try again later.</source>
        <translation>Reenvío de OTP bloqueado. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>OTP attempts blocked. Please try again later.</source>
        <translation>Intentos de OTP bloqueados. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>User registration failed</source>
        <translation>Error en el registro del usuario</translation>
    </message>
    <message>
        <source>Sign in using your company email address to access the enterprise network from this endpoint.</source>
        <translation>Inicie sesión con la dirección de correo electrónico de su empresa para acceder a la red empresarial desde este equipo.</translation>
    </message>
    <message>
        <source>Sign in using your %1 email address to access the enterprise network from this endpoint.</source>
        <extracomment>%1 is the name of the user&apos;s company.</extracomment>
        <translation>Inicie sesión con su dirección de correo electrónico de %1 para acceder a la red empresarial desde este equipo.</translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation>Los intentos de OTP están bloqueados durante %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The desktop window of the Vexa secure-access agent.</source>
        <translation>La ventana de escritorio del agente de acceso seguro de Vexa.</translation>
    </message>
    <message>
        <source>Open &lt;rurl&gt; with the desktop&apos;s handler for it at start.</source>
        <translation>Al iniciar, abre &lt;rurl&gt; con el programa del escritorio que lo gestiona.</translation>
    </message>
    <message>
        <source>Run for &lt;user&gt; instead of the user of the session.</source>
        <translation>Se ejecuta para &lt;user&gt; en lugar del usuario de la sesión.</translation>
    </message>
    <message>
        <source>If &quot;true&quot;, allow another instance for the same user.</source>
        <translation>Si es &quot;true&quot;, permite otra instancia para el mismo usuario.</translation>
    </message>
    <message>
        <source>Write a support report for the helpdesk to &lt;file&gt;.</source>
        <translation>Escribe un informe de soporte para el servicio de asistencia en &lt;file&gt;.</translation>
    </message>
    <message>
        <source>No window of this user is running, so the report has no link history.</source>
        <translation>No hay ninguna ventana de este usuario en ejecución, así que el informe no tiene historial de la conexión.</translation>
    </message>
    <message>
        <source>Print what the running window of this user shows, and exit.</source>
        <translation>Muestra lo que indica la ventana en ejecución de este usuario y termina.</translation>
    </message>
    <message>
        <source>With --status, print it as JSON.</source>
        <translation>Con --status, lo muestra en formato JSON.</translation>
    </message>
    <message>
        <source>No window of this user is running.</source>
        <translation>No hay ninguna ventana de este usuario en ejecución.</translation>
    </message>
    <message>
        <source>The window of this user did not answer within %1 s.</source>
        <translation>La ventana de este usuario no respondió en %1 s.</translation>
    </message>
    <message>
        <source>Could not write the support report to %1: %2</source>
        <translation>No se pudo escribir el informe de soporte en %1: %2</translation>
    </message>
    <message>
        <source>Wrote the support report to %1.</source>
        <translation>Informe de soporte escrito en %1.</translation>
    </message>
</context>
<context>
    <name>DesktopNotices</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>ASUNTO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MENSAJE</translation>
    </message>
    <message>
        <source>Type your message here</source>
        <translation>Escriba aquí su mensaje</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Enter a subject.</source>
        <translation>Escriba un asunto.</translation>
    </message>
    <message>
        <source>Failed to submit your feedback</source>
        <translation>No se pudieron enviar sus comentarios</translation>
    </message>
    <message>
        <source>Submitting feedback…</source>
        <translation>Enviando comentarios…</translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation>Agente no activado</translation>
    </message>
    <message>
        <source>Your feedback has been submitted. Ticket ID: %1</source>
        <extracomment>%1 is the ticket number the support desk gave the feedback.</extracomment>
        <translation>Sus comentarios se han enviado. ID del ticket: %1</translation>
    </message>
    <message>
        <source>The application service did not answer. Your feedback may still arrive; if it does, its ticket number will be shown.</source>
        <translation>El servicio de la aplicación no respondió. Es posible que sus comentarios aún lleguen; si llegan, se mostrará el ID del ticket.</translation>
    </message>
    <message>
        <source>Your earlier feedback may still reach the support desk. Send the same message again?</source>
        <translation>Es posible que sus comentarios anteriores aún lleguen al servicio de soporte. ¿Desea enviar el mismo mensaje de nuevo?</translation>
    </message>
    <message>
        <source>The message is empty: only the subject is sent.</source>
        <translation>El mensaje está vacío: solo se envía el asunto.</translation>
    </message>
</context>
<context>
    <name>FirstRunWords</name>
    <message>
        <source>Unable to connect to the %1 service</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>No se puede conectar con el servicio de %1</translation>
    </message>
    <message>
        <source>The %1 service did not answer. Please try again.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>El servicio de %1 no respondió. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The QR code is not available while the %1 service is unreachable.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>El código QR no está disponible mientras no se pueda acceder al servicio de %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Secure Access</source>
        <translation>Acceso Seguro</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>User authentication is in progress</source>
        <translation>Autenticación del usuario en curso</translation>
    </message>
    <message>
        <source>User authentication failed</source>
        <translation>Error en la autenticación del usuario</translation>
    </message>
    <message>
        <source>User authentication successful</source>
        <translation>Usuario autenticado correctamente</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>You&apos;re connected!</source>
        <translation>¡Conexión establecida!</translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation>Desconectando…</translation>
    </message>
    <message>
        <source>You&apos;re already in the network</source>
        <translation>Ya está dentro de la red</translation>
    </message>
    <message>
        <source>You&apos;re not connected</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Your administrator did not approve the activation of this device.</source>
        <translation>Su administrador no ha aprobado la activación de este dispositivo.</translation>
    </message>
    <message>
        <source>The system could not be restarted. Please restart it yourself.</source>
        <translation>No se pudo reiniciar el sistema. Reinícielo manualmente.</translation>
    </message>
    <message>
        <source>Listing peer devices failed</source>
        <translation>No se pudo obtener la lista de dispositivos pares</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Encendido</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>%1 keeps running in the system tray. Click its icon to open the window again.</source>
        <translation>%1 sigue en ejecución en la bandeja del sistema. Haga clic en el icono para volver a abrir la ventana.</translation>
    </message>
    <message>
        <source>%1 keeps running while its window is minimized. Find it in the taskbar.</source>
        <translation>%1 sigue en ejecución con la ventana minimizada. La encontrará en la barra de tareas.</translation>
    </message>
    <message>
        <source>Last known: %1</source>
        <translation>Último estado conocido: %1</translation>
    </message>
    <message>
        <source>Getting notifications failed</source>
        <translation>No se pudieron obtener las notificaciones</translation>
    </message>
    <message>
        <source>Discovery in progress</source>
        <translation>Detección en curso</translation>
    </message>
    <message>
        <source>Fetching preferred access gateway information</source>
        <translation>Obteniendo información de la puerta de enlace de acceso preferida</translation>
    </message>
    <message>
        <source>Checking preferred access gateway reachability</source>
        <translation>Comprobando si la puerta de enlace de acceso preferida es accesible</translation>
    </message>
    <message>
        <source>Fetching profile</source>
        <translation>Obteniendo el perfil</translation>
    </message>
    <message>
        <source>Creating session</source>
        <translation>Creando la sesión</translation>
    </message>
    <message>
        <source>Session timed out</source>
        <translation>La sesión ha expirado</translation>
    </message>
    <message>
        <source>Your device has been isolated</source>
        <translation>Su dispositivo ha sido aislado</translation>
    </message>
    <message>
        <source>You&apos;re subscribed</source>
        <translation>Suscripción activa</translation>
    </message>
    <message>
        <source>Listing the preferred access gateways failed</source>
        <translation>No se pudo obtener la lista de puertas de enlace de acceso preferidas</translation>
    </message>
    <message>
        <source>You&apos;re not subscribed to the secure connection</source>
        <translation>Sin suscripción a la conexión segura</translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation>No se pudo establecer la puerta de enlace de acceso preferida</translation>
    </message>
    <message>
        <source>Internet access is blocked.</source>
        <translation>El acceso a Internet está bloqueado.</translation>
    </message>
    <message>
        <source>Access to the network address %1 has been blocked.</source>
        <translation>Se ha bloqueado el acceso a la dirección de red %1.</translation>
    </message>
    <message>
        <source>Internet access will be blocked at %1.</source>
        <translation>El acceso a Internet se bloqueará (hora prevista: %1).</translation>
    </message>
    <message>
        <source>Access to the network address %1 will be blocked at %2.</source>
        <translation>El acceso a la dirección de red %1 se bloqueará (hora prevista: %2).</translation>
    </message>
    <message>
        <source>Internet access is enabled.</source>
        <translation>El acceso a Internet está habilitado.</translation>
    </message>
    <message>
        <source>%1 Open %2 to see the compliance details.</source>
        <extracomment>%1 is a notice about network access, %2 the product&apos;s name.</extracomment>
        <translation>%1 Abra %2 para ver los detalles de cumplimiento.</translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation>Obteniendo información</translation>
    </message>
    <message>
        <source>%1 requires a system restart. Click &apos;OK&apos; to restart the system.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>%1 requiere reiniciar el sistema. Haga clic en &apos;Aceptar&apos; para reiniciar el sistema.</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>Hay hallazgos de cumplimiento por revisar</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Signed in. Secure Access is off: turn it on with the switch above.</source>
        <translation>Sesión iniciada. El Acceso Seguro está apagado: enciéndalo con el interruptor de arriba.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Administración de dispositivos</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Procesos</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Puertos</translation>
    </message>
    <message>
        <source>Network Interfaces</source>
        <translation>Interfaces de red</translation>
    </message>
    <message>
        <source>Operating System Information</source>
        <translation>Información del sistema operativo</translation>
    </message>
    <message>
        <source>Hardware Information</source>
        <translation>Información del hardware</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation>Firewall de Windows</translation>
    </message>
    <message>
        <source>Trusted Certificates</source>
        <translation>Certificados de confianza</translation>
    </message>
    <message>
        <source>Client Certificate</source>
        <translation>Certificado de cliente</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Windows Antivirus</source>
        <translation>Antivirus de Windows</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Windows Autorun</source>
        <translation>Ejecución automática de Windows</translation>
    </message>
    <message>
        <source>SMB Shares</source>
        <translation>Recursos compartidos SMB</translation>
    </message>
    <message>
        <source>Malicious Applications Installed</source>
        <translation>Hay aplicaciones maliciosas instaladas</translation>
    </message>
    <message>
        <source>Operating System Version Mismatch</source>
        <translation>La versión del sistema operativo no coincide</translation>
    </message>
    <message>
        <source>Risky Certificate Installed</source>
        <translation>Hay un certificado de riesgo instalado</translation>
    </message>
    <message>
        <source>VPN Installed on the System</source>
        <translation>Hay una VPN instalada en el sistema</translation>
    </message>
    <message>
        <source>Mandatory Applications Not Installed</source>
        <translation>No están instaladas las aplicaciones obligatorias</translation>
    </message>
    <message>
        <source>Mandatory Certificate Not Installed</source>
        <translation>No está instalado el certificado obligatorio</translation>
    </message>
    <message>
        <source>VPN Not Installed on the System</source>
        <translation>No hay ninguna VPN instalada en el sistema</translation>
    </message>
    <message>
        <source>Malicious Processes Running</source>
        <translation>Hay procesos maliciosos en ejecución</translation>
    </message>
    <message>
        <source>Mandatory Processes Not Running</source>
        <translation>Los procesos obligatorios no se están ejecutando</translation>
    </message>
    <message>
        <source>Risky Ports Open</source>
        <translation>Hay puertos de riesgo abiertos</translation>
    </message>
    <message>
        <source>Mandatory Ports Closed</source>
        <translation>Los puertos obligatorios están cerrados</translation>
    </message>
    <message>
        <source>Windows Firewall Enabled on the System</source>
        <translation>El Firewall de Windows está habilitado en el sistema</translation>
    </message>
    <message>
        <source>Windows Autorun Enabled</source>
        <translation>Ejecución automática de Windows habilitada</translation>
    </message>
    <message>
        <source>Windows Antivirus Enabled</source>
        <translation>Antivirus de Windows habilitado</translation>
    </message>
    <message>
        <source>SMB Sharing Enabled</source>
        <translation>Uso compartido SMB habilitado</translation>
    </message>
    <message>
        <source>Windows Firewall Disabled on the System</source>
        <translation>El Firewall de Windows está deshabilitado en el sistema</translation>
    </message>
    <message>
        <source>Windows Autorun Disabled</source>
        <translation>Ejecución automática de Windows deshabilitada</translation>
    </message>
    <message>
        <source>Windows Antivirus Disabled</source>
        <translation>Antivirus de Windows deshabilitado</translation>
    </message>
    <message>
        <source>SMB Sharing Disabled</source>
        <translation>Uso compartido SMB deshabilitado</translation>
    </message>
    <message>
        <source>File(s) Found on the System</source>
        <translation>Se encontraron archivos en el sistema</translation>
    </message>
    <message>
        <source>Registry Key Mismatch</source>
        <translation>La clave del Registro no coincide</translation>
    </message>
    <message>
        <source>File(s) Missing from the System</source>
        <translation>Faltan archivos en el sistema</translation>
    </message>
    <message>
        <source>No notifications</source>
        <translation>No hay notificaciones</translation>
    </message>
    <message>
        <source>Malicious Client Certificate Signed by the CA Certificate(s)</source>
        <translation>Certificado de cliente malicioso firmado por los certificados de CA</translation>
    </message>
    <message>
        <source>No Client Certificate Signed by the CA Certificate(s)</source>
        <translation>Ningún certificado de cliente está firmado por los certificados de CA</translation>
    </message>
    <message>
        <source>Unexpected operating system found: %1</source>
        <translation>Se encontró un sistema operativo inesperado: %1</translation>
    </message>
    <message>
        <source>Expected operating system: %1</source>
        <translation>Sistema operativo esperado: %1</translation>
    </message>
    <message>
        <source>Expected Registry entry: %1</source>
        <translation>Entrada del Registro esperada: %1</translation>
    </message>
    <message>
        <source>Unexpected Registry entry found: %1</source>
        <translation>Entrada del Registro inesperada: %1</translation>
    </message>
    <message>
        <source>Vendor: %1</source>
        <translation>Proveedor: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>Comando: %1</translation>
    </message>
    <message>
        <source>Condition: %1</source>
        <translation>Condición: %1</translation>
    </message>
    <message>
        <source>Protocol: %1</source>
        <translation>Protocolo: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A registry key and its value.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Clave: %1</translation>
    </message>
    <message>
        <source>Value: %1</source>
        <translation>Valor: %1</translation>
    </message>
</context>
<context>
    <name>OtpScreen</name>
    <message>
        <source>User Verification</source>
        <translation>Verificación del usuario</translation>
    </message>
    <message>
        <source>Check your email for the one-time password (OTP) and enter it below</source>
        <translation>Busque en su correo electrónico la contraseña de un solo uso (OTP) y escríbala a continuación</translation>
    </message>
    <message>
        <source>OTP</source>
        <translation>OTP</translation>
    </message>
    <message>
        <source>Resend OTP</source>
        <translation>Reenviar OTP</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid OTP</source>
        <translation>OTP no válida</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation>Correo electrónico no válido</translation>
    </message>
    <message>
        <source>OTP resend blocked</source>
        <translation>Reenvío de OTP bloqueado</translation>
    </message>
    <message>
        <source>OTP attempts blocked</source>
        <translation>Intentos de OTP bloqueados</translation>
    </message>
    <message>
        <source>User association failed</source>
        <translation>No se pudo asociar el usuario</translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the activation screen and try again.</source>
        <translation>No se encontró la dirección de correo electrónico. Vuelva a la pantalla de activación e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the email screen and try again.</source>
        <translation>No se encontró la dirección de correo electrónico. Vuelva a la pantalla de correo electrónico e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Your OTP is valid for %1.</source>
        <extracomment>%1 is the time left, as minutes:seconds.</extracomment>
        <translation>Su OTP es válida durante %1.</translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation>Los intentos de OTP están bloqueados durante %1.</translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation>Solo dígitos</translation>
    </message>
</context>
<context>
    <name>PagSelection</name>
    <message>
        <source>Preferred Gateway</source>
        <translation>Puerta de enlace preferida</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Out of service</source>
        <translation>Fuera de servicio</translation>
    </message>
    <message>
        <source>No gateways available</source>
        <translation>No hay puertas de enlace disponibles</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>En uso</translation>
    </message>
    <message>
        <source>Secure Access disconnects while it switches to the chosen gateway. Switch now?</source>
        <translation>El Acceso Seguro se desconecta mientras cambia a la puerta de enlace elegida. ¿Desea cambiar ahora?</translation>
    </message>
</context>
<context>
    <name>PeerDevices</name>
    <message>
        <source>Peer Devices</source>
        <translation>Dispositivos pares</translation>
    </message>
    <message>
        <source>Peer list is empty</source>
        <translation>La lista de dispositivos pares está vacía</translation>
    </message>
    <message>
        <source>Press Enter to copy the address</source>
        <translation>Presione Entrar para copiar la dirección</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
</context>
<context>
    <name>QRCodeScreen</name>
    <message>
        <source>Regenerate QR</source>
        <translation>Regenerar QR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The QR code could not be displayed. Select &apos;Regenerate QR&apos; to try again.</source>
        <translation>No se pudo mostrar el código QR. Seleccione &apos;Regenerar QR&apos; para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Scan this code with your phone to activate this device</source>
        <translation>Escanee este código con su teléfono para activar este dispositivo</translation>
    </message>
    <message>
        <source>If you experience an error with the QR code above, select the &apos;Regenerate QR&apos; button below and repeat the process. If you continue to experience issues, contact your administrator for assistance.</source>
        <translation>Si tiene algún problema con el código QR de arriba, seleccione el botón &apos;Regenerar QR&apos; de abajo y repita el proceso. Si el problema continúa, póngase en contacto con su administrador para obtener ayuda.</translation>
    </message>
    <message>
        <source>Waiting for a new code</source>
        <translation>Esperando un código nuevo</translation>
    </message>
    <message>
        <source>No QR code has come yet.</source>
        <translation>Todavía no ha llegado ningún código QR.</translation>
    </message>
    <message>
        <source>Scan the code below with your phone. This window moves on by itself once the code is scanned.</source>
        <translation>Escanee el código de abajo con su teléfono. Esta ventana continuará sola una vez escaneado el código.</translation>
    </message>
    <message>
        <source>Activation by QR code</source>
        <translation>Activación con código QR</translation>
    </message>
    <message>
        <source>QR code ready to scan</source>
        <translation>Código QR listo para escanear</translation>
    </message>
</context>
<context>
    <name>ServiceCode</name>
    <message>
        <source>Enter the account service ID below</source>
        <translation>Escriba el ID de servicio de la cuenta</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de servicio</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Please enter the account service ID.</source>
        <translation>Escriba el ID de servicio de la cuenta.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>SESSION DETAILS</source>
        <translation>DETALLES DE LA SESIÓN</translation>
    </message>
    <message>
        <source>Access Gateway</source>
        <translation>Puerta de enlace de acceso</translation>
    </message>
    <message>
        <source>WAN</source>
        <translation>WAN</translation>
    </message>
    <message>
        <source>External IP</source>
        <translation>IP externa</translation>
    </message>
    <message>
        <source>Access Gateway IP</source>
        <translation>IP de la puerta de enlace de acceso</translation>
    </message>
    <message>
        <source>Assigned IP</source>
        <translation>IP asignada</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Tiempo activo</translation>
    </message>
    <message>
        <source>EDR Connection</source>
        <translation>Conexión EDR</translation>
    </message>
    <message>
        <source>ACCOUNT DETAILS</source>
        <translation>DETALLES DE LA CUENTA</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>TEST CONNECTIVITY</source>
        <translation>PRUEBA DE CONECTIVIDAD</translation>
    </message>
    <message>
        <source>Run test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>COMPLIANCE DETAILS</source>
        <translation>DETALLES DE CUMPLIMIENTO</translation>
    </message>
    <message>
        <source>PEER DEVICES</source>
        <translation>DISPOSITIVOS PARES</translation>
    </message>
    <message>
        <source>View all devices</source>
        <translation>Ver todos los dispositivos</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>SOPORTE</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>LEGAL</source>
        <translation>INFORMACIÓN LEGAL</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>Términos del servicio</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Contrato de licencia para el usuario final</translation>
    </message>
    <message>
        <source>DEACTIVATION</source>
        <translation>DESACTIVACIÓN</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>ACERCA DE</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>You are about to sign out. Click &apos;Yes&apos; to continue.</source>
        <translation>Está a punto de cerrar la sesión. Haga clic en &apos;Sí&apos; para continuar.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <source>This device has been deactivated.</source>
        <translation>Este dispositivo se ha desactivado.</translation>
    </message>
    <message>
        <source>%1 %2 [FULL]</source>
        <extracomment>%1 is a network interface, %2 its address; all of the device&apos;s traffic goes through the tunnel.</extracomment>
        <translation>%1 %2 [COMPLETO]</translation>
    </message>
    <message>
        <source>%1 %2 [SPLIT]</source>
        <extracomment>%1 is a network interface, %2 its address; only the enterprise&apos;s traffic goes through the tunnel.</extracomment>
        <translation>%1 %2 [DIVIDIDO]</translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation>No se pudo establecer la puerta de enlace de acceso preferida</translation>
    </message>
    <message>
        <source>Deactivation failed. Please try again or contact your administrator.</source>
        <translation>No se pudo desactivar el dispositivo. Vuelva a intentarlo o póngase en contacto con su administrador.</translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>Se requiere contraseña</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Deactivation not allowed</source>
        <translation>No se permite la desactivación</translation>
    </message>
    <message>
        <source>Sign-out failed</source>
        <translation>No se pudo cerrar la sesión</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>Hay hallazgos de cumplimiento por revisar</translation>
    </message>
    <message>
        <source>Save support report…</source>
        <translation>Guardar informe de soporte…</translation>
    </message>
    <message>
        <source>The device leaves your organization and Secure Access stops until it is enrolled again.</source>
        <translation>El dispositivo deja su organización y el Acceso Seguro se detiene hasta que se vuelva a inscribir.</translation>
    </message>
    <message>
        <source>The password must not be empty.</source>
        <translation>La contraseña no puede estar vacía.</translation>
    </message>
    <message>
        <source>Enter the deactivation password from your administrator:</source>
        <translation>Escriba la contraseña de desactivación que le dio su administrador:</translation>
    </message>
    <message>
        <source>Deactivate this device?</source>
        <translation>¿Desactivar este dispositivo?</translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>The application service is available again.</source>
        <translation>El servicio de la aplicación vuelve a estar disponible.</translation>
    </message>
    <message>
        <source>Your administrator approved this device.</source>
        <translation>Su administrador aprobó este dispositivo.</translation>
    </message>
    <message>
        <source>Secure Access is now off.</source>
        <translation>El Acceso Seguro se apagó.</translation>
    </message>
    <message>
        <source>Secure Access stopped connecting.</source>
        <translation>El Acceso Seguro dejó de intentar conectarse.</translation>
    </message>
    <message numerus="yes">
        <source>The application service is unavailable. Retrying every %n seconds.</source>
        <translation>
            <numerusform>El servicio de la aplicación no está disponible. Se reintenta cada %n segundo.</numerusform>
            <numerusform>El servicio de la aplicación no está disponible. Se reintenta cada %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Network access blocked</source>
        <translation>Acceso a la red bloqueado</translation>
    </message>
    <message>
        <source>Network access about to be blocked</source>
        <translation>El acceso a la red se bloqueará pronto</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>Es necesario reiniciar</translation>
    </message>
    <message>
        <source>Device isolated</source>
        <translation>Dispositivo aislado</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>Hay hallazgos de cumplimiento por revisar</translation>
    </message>
    <message>
        <source>Secure Access turned off by your administrator</source>
        <translation>Su administrador apagó el Acceso Seguro</translation>
    </message>
    <message>
        <source>Application service unavailable</source>
        <translation>Servicio de la aplicación no disponible</translation>
    </message>
    <message>
        <source>Application service port held by another user</source>
        <translation>Otro usuario ocupa el puerto del servicio de la aplicación</translation>
    </message>
    <message>
        <source>Device not enrolled</source>
        <translation>Dispositivo no inscrito</translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation>Esperando la aprobación del administrador</translation>
    </message>
    <message>
        <source>Sign-in needed</source>
        <translation>Es necesario iniciar sesión</translation>
    </message>
    <message>
        <source>Secure Access off</source>
        <translation>Acceso Seguro apagado</translation>
    </message>
    <message>
        <source>Contacting the application service</source>
        <translation>Contactando con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation>Obteniendo información</translation>
    </message>
    <message>
        <source>Secure Access disconnecting</source>
        <translation>Acceso Seguro desconectándose</translation>
    </message>
    <message>
        <source>Secure Access connecting</source>
        <translation>Acceso Seguro conectándose</translation>
    </message>
    <message>
        <source>Secure Access on</source>
        <translation>Acceso Seguro encendido</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Requiere atención</translation>
    </message>
    <message>
        <source>retrying</source>
        <translation>reintentando</translation>
    </message>
    <message>
        <source>already in the network</source>
        <translation>ya en la red</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Ask your administrator to check the application service.</source>
        <translation>Pida a su administrador que revise el servicio de la aplicación.</translation>
    </message>
    <message>
        <source>Restart the computer to finish.</source>
        <translation>Reinicie el equipo para terminar.</translation>
    </message>
    <message>
        <source>Ask your administrator for help.</source>
        <translation>Pida ayuda a su administrador.</translation>
    </message>
    <message>
        <source>Open Settings, then Notifications, to see the compliance details.</source>
        <translation>Abra Configuración y luego Notificaciones para ver los detalles de cumplimiento.</translation>
    </message>
    <message numerus="yes">
        <source>Retrying every %n seconds.</source>
        <translation>
            <numerusform>Se reintenta cada %n segundo.</numerusform>
            <numerusform>Se reintenta cada %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SubScreenTitleBar</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>SupportPreview</name>
    <message>
        <source>Support report</source>
        <translation>Informe de soporte</translation>
    </message>
    <message>
        <source>The report is one file for your helpdesk. It holds:</source>
        <translation>El informe es un solo archivo para su servicio de asistencia. Contiene:</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Email addresses, user, device and enterprise names and IP addresses are replaced by placeholders, and passwords, one-time passwords, activation codes and QR codes are never recorded.</source>
        <translation>Las direcciones de correo electrónico, los nombres de usuario, de dispositivo y de empresa y las direcciones IP se sustituyen por marcadores de posición, y las contraseñas, contraseñas de un solo uso, códigos de activación y códigos QR nunca se registran.</translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation>Copiar resumen</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>The summary is on the clipboard.</source>
        <translation>El resumen está en el portapapeles.</translation>
    </message>
    <message>
        <source>Save support report</source>
        <translation>Guardar informe de soporte</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Archivos Zip (*.zip)</translation>
    </message>
    <message>
        <source>The support report could not be saved: %1</source>
        <translation>No se pudo guardar el informe de soporte: %1</translation>
    </message>
    <message>
        <source>The support report was saved as %1.</source>
        <translation>El informe de soporte se guardó como %1.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
</context>
<context>
    <name>SupportReport</name>
    <message>
        <source>The archive could not be made.</source>
        <translation>No se pudo crear el archivo comprimido.</translation>
    </message>
    <message>
        <source>this computer, the window and the summary below</source>
        <translation>este equipo, la ventana y el resumen de abajo</translation>
    </message>
    <message>
        <source>connection events with the application service: %1</source>
        <translation>eventos de la conexión con el servicio de la aplicación: %1</translation>
    </message>
    <message>
        <source>the last messages from the application service: %1</source>
        <translation>los últimos mensajes del servicio de la aplicación: %1</translation>
    </message>
    <message>
        <source>requests the window sent: %1</source>
        <translation>solicitudes enviadas por la ventana: %1</translation>
    </message>
    <message>
        <source>the last state the application service reported</source>
        <translation>el último estado notificado por el servicio de la aplicación</translation>
    </message>
    <message>
        <source>warnings from the window: %1</source>
        <translation>advertencias de la ventana: %1</translation>
    </message>
</context>
<context>
    <name>TrayStatus</name>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Secure &amp;Access</source>
        <translation>Acceso &amp;Seguro</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Save support &amp;report…</source>
        <translation>Guardar &amp;informe de soporte…</translation>
    </message>
</context>
<context>
    <name>WaitingSpinnerWidget</name>
    <message>
        <source>Please wait</source>
        <translation>Espere, por favor</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>No application could open this address. Copy it into your web browser:</source>
        <translation>Ninguna aplicación pudo abrir esta dirección. Cópiela en su navegador web:</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>Copiar dirección</translation>
    </message>
    <message>
        <source>No application could open this folder. Open it in your file manager:</source>
        <translation>Ninguna aplicación pudo abrir esta carpeta. Ábrala en su administrador de archivos:</translation>
    </message>
</context>
<context>
    <name>vexaintf</name>
    <message>
        <source>Connection refused: the owner of the application service port could not be verified</source>
        <translation>Conexión rechazada: no se pudo verificar el propietario del puerto del servicio de la aplicación</translation>
    </message>
    <message>
        <source>Connection refused: the application service port is held by another user (%1)</source>
        <translation>Conexión rechazada: otro usuario (%1) ocupa el puerto del servicio de la aplicación</translation>
    </message>
</context>
</TS>
