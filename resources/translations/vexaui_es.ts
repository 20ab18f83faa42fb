<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Activate</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Contact your administrator for the Activation Code</source>
        <translation>Solicite el código de activación a su administrador</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>DEVICE NAME (Optional)</source>
        <translation>NOMBRE DEL DISPOSITIVO (opcional)</translation>
    </message>
    <message>
        <source>I have read and agree to terms of</source>
        <translation>He leído y acepto los términos del</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Contrato de licencia para el usuario final</translation>
    </message>
    <message>
        <source>Request to Activate</source>
        <translation>Solicitar activación</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contactar con soporte</translation>
    </message>
    <message>
        <source>Invalid Activation Code</source>
        <translation>Código de activación no válido</translation>
    </message>
    <message>
        <source>Invalid Name</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <source>Activation Failure due to Connectivity Issues</source>
        <translation>Error de activación por problemas de conectividad</translation>
    </message>
    <message>
        <source>Agent Not Activated</source>
        <translation>Agente no activado</translation>
    </message>
    <message>
        <source>Duplicate Device Name</source>
        <translation>Nombre de dispositivo duplicado</translation>
    </message>
    <message>
        <source>Device Activation Is Not Allowed, Please Contact Your Administrator</source>
        <translation>No se permite la activación del dispositivo. Póngase en contacto con su administrador</translation>
    </message>
    <message>
        <source>Activation Code Expired</source>
        <translation>El código de activación ha caducado</translation>
    </message>
    <message>
        <source>Maximum Number Of Devices Reached For Your Account</source>
        <translation>Se ha alcanzado el número máximo de dispositivos de su cuenta</translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
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
        <source>I have read and agree to terms of End User License Agreement</source>
        <translation>He leído y acepto los términos del Contrato de licencia para el usuario final</translation>
    </message>
</context>
<context>
    <name>ActivationPending</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Activation is pending...</source>
        <translation>Activación pendiente...</translation>
    </message>
    <message>
        <source>Your Administrator has been notified.</source>
        <translation>Se ha notificado a su administrador.</translation>
    </message>
    <message>
        <source>Resend Verification Email</source>
        <translation>Reenviar correo de verificación</translation>
    </message>
    <message>
        <source>Check Activation Status</source>
        <translation>Comprobar estado de activación</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Admin approval pending</source>
        <translation>Aprobación del administrador pendiente</translation>
    </message>
    <message>
        <source>Verification Request Failed</source>
        <translation>Error en la solicitud de verificación</translation>
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
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Authorization Required</source>
        <translation>Se requiere autorización</translation>
    </message>
    <message>
        <source>Sign in using your COMPANY NAME email address to access the enterprise network from this endpoint</source>
        <translation>Inicie sesión con su dirección de correo electrónico de la empresa para acceder a la red empresarial desde este equipo</translation>
    </message>
    <message>
        <source>Email Address</source>
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
        <source>Unable to connect with application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation>Correo electrónico no válido</translation>
    </message>
    <message>
        <source>Invalid Email, Please contact your Administrator.</source>
        <translation>Correo electrónico no válido. Póngase en contacto con su administrador.</translation>
    </message>
    <message>
        <source>OTP resend blocked retry after sometime...</source>
        <translation>Reenvío de OTP bloqueado; vuelva a intentarlo más tarde...</translation>
    </message>
    <message>
        <source>OTP attempts blocked retry after sometime...</source>
        <translation>Intentos de OTP bloqueados; vuelva a intentarlo más tarde...</translation>
    </message>
    <message>
        <source>User Registration Failure</source>
        <translation>Error en el registro del usuario</translation>
    </message>
    <message>
        <source>Sign in using your </source>
        <translation>Inicie sesión con su dirección de correo electrónico de </translation>
    </message>
    <message>
        <source>company</source>
        <translation>la empresa</translation>
    </message>
    <message>
        <source> email address to access the enterprise network from this endpoint.</source>
        <translation> para acceder a la red empresarial desde este equipo.</translation>
    </message>
    <message>
        <source>OTP attempts blocked for : </source>
        <translation>Intentos de OTP bloqueados durante: </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The desktop window of the Vexa secure-access agent.</source>
        <translation>La ventana de escritorio del agente de acceso seguro de Vexa.</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
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
        <source>Unable to connect with application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Subject Empty!</source>
        <translation>¡Falta el asunto!</translation>
    </message>
    <message>
        <source>submitting feedback...</source>
        <translation>Enviando comentarios...</translation>
    </message>
    <message>
        <source>Failed to submit your feedback</source>
        <translation>No se pudieron enviar sus comentarios</translation>
    </message>
    <message>
        <source>Agent not Activated</source>
        <translation>Agente no activado</translation>
    </message>
    <message>
        <source>Successfully submitted your feedback</source>
        <translation>Sus comentarios se han enviado correctamente</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>You&apos;re Not Connected</source>
        <translation>No está conectado</translation>
    </message>
    <message>
        <source>Secure Access</source>
        <translation>Acceso Seguro</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
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
        <source>You&apos;re connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>You&apos;re connected!</source>
        <translation>¡Está conectado!</translation>
    </message>
    <message>
        <source>You&apos;re disconnecting...</source>
        <translation>Desconectando...</translation>
    </message>
    <message>
        <source>You&apos;re already in the network</source>
        <translation>Ya está dentro de la red</translation>
    </message>
    <message>
        <source>You&apos;re not connected</source>
        <translation>No está conectado</translation>
    </message>
    <message>
        <source>Discovery In Progress</source>
        <translation>Detección en curso</translation>
    </message>
    <message>
        <source>Fetching Preferred Access Gateway Information</source>
        <translation>Obteniendo información de la puerta de enlace de acceso preferida</translation>
    </message>
    <message>
        <source>Checking Preferred Access Gateway Reachability</source>
        <translation>Comprobando si la puerta de enlace de acceso preferida es accesible</translation>
    </message>
    <message>
        <source>Fetching Profile</source>
        <translation>Obteniendo el perfil</translation>
    </message>
    <message>
        <source>You&apos;re Already in the Network</source>
        <translation>Ya está dentro de la red</translation>
    </message>
    <message>
        <source>Creating Session</source>
        <translation>Creando la sesión</translation>
    </message>
    <message>
        <source>Session Timeout</source>
        <translation>Se agotó el tiempo de espera de la sesión</translation>
    </message>
    <message>
        <source>You&apos;re Connected!</source>
        <translation>¡Está conectado!</translation>
    </message>
    <message>
        <source>Your Device Has Been Isolated</source>
        <translation>Su dispositivo ha sido aislado</translation>
    </message>
    <message>
        <source>You&apos;re Subscribed</source>
        <translation>Está suscrito</translation>
    </message>
    <message>
        <source>Preferred Access Gateway listing failure</source>
        <translation>No se pudo obtener la lista de puertas de enlace de acceso preferidas</translation>
    </message>
    <message>
        <source>Not Subscribed for Secure Connection</source>
        <translation>No está suscrito a la conexión segura</translation>
    </message>
    <message>
        <source>Setting Preferred Access Gateway Failed</source>
        <translation>No se pudo establecer la puerta de enlace de acceso preferida</translation>
    </message>
    <message>
        <source>Internet Access is blocked.</source>
        <translation>El acceso a Internet está bloqueado.</translation>
    </message>
    <message>
        <source>Access to the network address </source>
        <translation>El acceso a la dirección de red </translation>
    </message>
    <message>
        <source> has been blocked.</source>
        <translation> se ha bloqueado.</translation>
    </message>
    <message>
        <source>Internet Access will be blocked at </source>
        <translation>El acceso a Internet se bloqueará a las </translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Access to network address </source>
        <translation>El acceso a la dirección de red </translation>
    </message>
    <message>
        <source> will be blocked at </source>
        <translation> se bloqueará a las </translation>
    </message>
    <message>
        <source>Internet Access enabled</source>
        <translation>Acceso a Internet habilitado</translation>
    </message>
    <message>
        <source> Open </source>
        <translation> Abra </translation>
    </message>
    <message>
        <source> to see the compliance details.</source>
        <translation> para ver los detalles de cumplimiento.</translation>
    </message>
    <message>
        <source> Check the notification page to see the compliance details</source>
        <translation> Consulte la página de notificaciones para ver los detalles de cumplimiento</translation>
    </message>
    <message>
        <source>   </source>
        <translation>   </translation>
    </message>
    <message>
        <source>.  </source>
        <translation>.  </translation>
    </message>
    <message>
        <source>.. </source>
        <translation>.. </translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Fetching Information</source>
        <translation>Obteniendo información</translation>
    </message>
    <message>
        <source>Your administrator did not approve the activation of this device.</source>
        <translation>Su administrador no ha aprobado la activación de este dispositivo.</translation>
    </message>
    <message>
        <source>The system could not be restarted. Please restart it yourself.</source>
        <translation>No se pudo reiniciar el sistema. Reinícielo usted mismo.</translation>
    </message>
    <message>
        <source>Error with listing peer devices</source>
        <translation>Error al obtener la lista de dispositivos pares</translation>
    </message>
    <message>
        <source> requires a system restart. Click &apos;OK&apos; to restart the system.</source>
        <translation> requiere reiniciar el sistema. Haga clic en &apos;Aceptar&apos; para reiniciar el sistema.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>%1 keeps running in the system tray. Click its icon to open the window again.</source>
        <translation>%1 sigue en ejecución en la bandeja del sistema. Haga clic en su icono para volver a abrir la ventana.</translation>
    </message>
    <message>
        <source>%1 keeps running while its window is minimised. Find it in the task bar.</source>
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
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
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
        <source>Trust Certificate</source>
        <translation>Certificado de confianza</translation>
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
        <source>SMB Shared</source>
        <translation>Recursos compartidos SMB</translation>
    </message>
    <message>
        <source>Unexpected Operating System found : </source>
        <translation>Se encontró un sistema operativo no esperado: </translation>
    </message>
    <message>
        <source>Expected Operating System : </source>
        <translation>Sistema operativo esperado: </translation>
    </message>
    <message>
        <source>Expected Registry : </source>
        <translation>Registro esperado: </translation>
    </message>
    <message>
        <source>Unexpected Registry found : </source>
        <translation>Se encontró un registro no esperado: </translation>
    </message>
    <message>
        <source>Vendor : </source>
        <translation>Proveedor: </translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>Command : </source>
        <translation>Comando: </translation>
    </message>
    <message>
        <source>Condition : </source>
        <translation>Condición: </translation>
    </message>
    <message>
        <source>Protocol : </source>
        <translation>Protocolo: </translation>
    </message>
    <message>
        <source>Key : </source>
        <translation>Clave: </translation>
    </message>
    <message>
        <source>Value : </source>
        <translation>Valor: </translation>
    </message>
    <message>
        <source>Malicious Applications Found Installed</source>
        <translation>Se encontraron aplicaciones maliciosas instaladas</translation>
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
        <source>Malicious Client Certificate signed by CaCert(s)</source>
        <translation>Certificado de cliente malicioso firmado por certificados de CA</translation>
    </message>
    <message>
        <source>VPN Installed On The System</source>
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
        <source>None of client certificate signed by CaCert(s)</source>
        <translation>Ningún certificado de cliente está firmado por los certificados de CA</translation>
    </message>
    <message>
        <source>VPN Not Installed On The System</source>
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
        <source>SMB Shared Enabled</source>
        <translation>Recursos compartidos SMB habilitados</translation>
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
        <source>SMB Shared Disabled</source>
        <translation>Recursos compartidos SMB deshabilitados</translation>
    </message>
    <message>
        <source>File(s) Found On The System</source>
        <translation>Se encontraron archivos en el sistema</translation>
    </message>
    <message>
        <source>Registry Key Mismatch</source>
        <translation>La clave del Registro no coincide</translation>
    </message>
    <message>
        <source>File(s) Missing From the System</source>
        <translation>Faltan archivos en el sistema</translation>
    </message>
    <message>
        <source>No notifications</source>
        <translation>No hay notificaciones</translation>
    </message>
</context>
<context>
    <name>OtpScreen</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>User Verification</source>
        <translation>Verificación del usuario</translation>
    </message>
    <message>
        <source>Check your email for the One-time Password (OTP) and enter it below</source>
        <translation>Busque en su correo electrónico la contraseña de un solo uso (OTP) e introdúzcala a continuación</translation>
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
        <source>Unable to connect with application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Invalid Email</source>
        <translation>Correo electrónico no válido</translation>
    </message>
    <message>
        <source>Invalid OTP</source>
        <translation>OTP no válida</translation>
    </message>
    <message>
        <source>OTP Resend Blocked</source>
        <translation>Reenvío de OTP bloqueado</translation>
    </message>
    <message>
        <source>OTP Attempts blocked</source>
        <translation>Intentos de OTP bloqueados</translation>
    </message>
    <message>
        <source>User Association Failure</source>
        <translation>No se pudo asociar el usuario</translation>
    </message>
    <message>
        <source>Mail ID not found pleae go back to activation screen and try again</source>
        <translation>No se encontró el correo electrónico. Vuelva a la pantalla de activación e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Mail ID not found pleae go back to email screen and try again</source>
        <translation>No se encontró el correo electrónico. Vuelva a la pantalla del correo electrónico e inténtelo de nuevo</translation>
    </message>
    <message>
        <source>You OTP is valid for </source>
        <translation>Su OTP es válida durante </translation>
    </message>
    <message>
        <source>OTP attempts blocked for : </source>
        <translation>Intentos de OTP bloqueados durante: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>PagSelection</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Preference</source>
        <translation>Preferencia</translation>
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
        <source>No Gateways available</source>
        <translation>No hay puertas de enlace disponibles</translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Out of service</source>
        <translation>Fuera de servicio</translation>
    </message>
</context>
<context>
    <name>PeerDevices</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Peer Devices</source>
        <translation>Dispositivos pares</translation>
    </message>
    <message>
        <source>Peer list is empty</source>
        <translation>La lista de dispositivos pares está vacía</translation>
    </message>
    <message>
        <source>Press Return to copy the address</source>
        <translation>Pulse Intro para copiar la dirección</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
</context>
<context>
    <name>QRCodeScreen</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>If you experience an error with the QR Code above, select the &apos;Regenerate QR&apos; button below and repeat the process again. If you continue to experience issues, contact your provider for assistance.</source>
        <translation>Si tiene algún problema con el código QR anterior, seleccione el botón &apos;Regenerar QR&apos; de abajo y repita el proceso. Si el problema continúa, póngase en contacto con su proveedor para obtener ayuda.</translation>
    </message>
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
        <source>Unable to connect with application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>Código QR</translation>
    </message>
    <message>
        <source>Scan this code with your phone to activate this device</source>
        <translation>Escanee este código con su teléfono para activar este dispositivo</translation>
    </message>
    <message>
        <source>The QR code is not available while the application service is unreachable.</source>
        <translation>El código QR no está disponible mientras no se pueda acceder al servicio de la aplicación.</translation>
    </message>
</context>
<context>
    <name>ServiceCode</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Enter the account service ID below</source>
        <translation>Introduzca el ID de servicio de la cuenta</translation>
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
        <translation>Introduzca el ID de servicio de la cuenta.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
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
        <source>Up Time</source>
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
        <translation>PROBAR LA CONECTIVIDAD</translation>
    </message>
    <message>
        <source>Try Me</source>
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
        <source>View All Devices</source>
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
        <source>Deactivate </source>
        <translation>Desactivar </translation>
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
        <source>Sign Out</source>
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
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>COMPLETO</translation>
    </message>
    <message>
        <source>SPLIT</source>
        <translation>DIVIDIDO</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Unable to connect with application service</source>
        <translation>No se puede conectar con el servicio de la aplicación</translation>
    </message>
    <message>
        <source>You are about to sign out. Click &apos;Yes&apos; to continue.</source>
        <translation>Está a punto de cerrar la sesión. Haga clic en &apos;Sí&apos; para continuar.</translation>
    </message>
    <message>
        <source>Enter Password : </source>
        <translation>Introduzca la contraseña: </translation>
    </message>
    <message>
        <source>You are about to deactivate. To continue deactivation please click &apos;Yes&apos;</source>
        <translation>Está a punto de desactivar el dispositivo. Para continuar con la desactivación, haga clic en &apos;Sí&apos;</translation>
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
        <source>Deactivation failed, please try again or contact admin</source>
        <translation>No se pudo desactivar. Vuelva a intentarlo o póngase en contacto con el administrador</translation>
    </message>
    <message>
        <source>Password Required</source>
        <translation>Se requiere contraseña</translation>
    </message>
    <message>
        <source>Wrong Password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Deactivation Not Allowed</source>
        <translation>No se permite la desactivación</translation>
    </message>
    <message>
        <source>SignOut Failed</source>
        <translation>No se pudo cerrar la sesión</translation>
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
        <source>Please enter the password.</source>
        <translation>Introduzca la contraseña.</translation>
    </message>
    <message>
        <source>Setting Preferred Access Gateway Failed</source>
        <translation>No se pudo establecer la puerta de enlace de acceso preferida</translation>
    </message>
    <message>
        <source>This device has been deactivated.</source>
        <translation>Este dispositivo se ha desactivado.</translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>The application service is unavailable. Retrying every 5 seconds.</source>
        <translation>El servicio de la aplicación no está disponible. Se reintenta cada 5 segundos.</translation>
    </message>
    <message>
        <source>The application service is available again.</source>
        <translation>El servicio de la aplicación vuelve a estar disponible.</translation>
    </message>
    <message>
        <source>Your administrator approved this device.</source>
        <translation>Su administrador aprobó este dispositivo.</translation>
    </message>
    <message>
        <source>Secure Access went off.</source>
        <translation>El Acceso Seguro se ha desactivado.</translation>
    </message>
    <message>
        <source>Secure Access stopped connecting.</source>
        <translation>El Acceso Seguro dejó de intentar conectarse.</translation>
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
        <translation>Su administrador desactivó el Acceso Seguro</translation>
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
        <translation>Acceso Seguro desactivado</translation>
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
        <translation>Acceso Seguro activado</translation>
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
        <source>Retrying every 5 seconds.</source>
        <translation>Se reintenta cada 5 segundos.</translation>
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
</context>
<context>
    <name>SubScreenTitleBar</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
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
