<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Activate</name>
    <message>
        <source>End User License Agreement</source>
        <translation>Contrato de Licença do Usuário Final</translation>
    </message>
    <message>
        <source>Request activation</source>
        <translation>Solicitar ativação</translation>
    </message>
    <message>
        <source>Contact support</source>
        <translation>Fale com o suporte</translation>
    </message>
    <message>
        <source>Activation code</source>
        <translation>Código de ativação</translation>
    </message>
    <message>
        <source>Device name (optional)</source>
        <translation>Nome do dispositivo (opcional)</translation>
    </message>
    <message>
        <source>Contact your administrator for the activation code</source>
        <translation>Solicite o código de ativação ao seu administrador</translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the End User License Agreement</source>
        <translation>Li e concordo com os termos do Contrato de Licença do Usuário Final</translation>
    </message>
    <message>
        <source>I have read and agree to the terms of the</source>
        <translation>Li e concordo com os termos do</translation>
    </message>
    <message>
        <source>Invalid activation code</source>
        <translation>Código de ativação inválido</translation>
    </message>
    <message>
        <source>Invalid device name</source>
        <translation>Nome de dispositivo inválido</translation>
    </message>
    <message>
        <source>Activation failed due to connectivity issues</source>
        <translation>Falha na ativação devido a problemas de conectividade</translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation>Agente não ativado</translation>
    </message>
    <message>
        <source>Duplicate device name</source>
        <translation>Nome de dispositivo duplicado</translation>
    </message>
    <message>
        <source>Device activation is not allowed. Please contact your administrator.</source>
        <translation>A ativação do dispositivo não é permitida. Entre em contato com o administrador.</translation>
    </message>
    <message>
        <source>Activation code expired</source>
        <translation>Código de ativação expirado</translation>
    </message>
    <message>
        <source>Maximum number of devices reached for your account</source>
        <translation>O número máximo de dispositivos da sua conta foi atingido</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
</context>
<context>
    <name>ActivationPending</name>
    <message>
        <source>Activation is pending…</source>
        <translation>Ativação pendente…</translation>
    </message>
    <message>
        <source>Resend verification email</source>
        <translation>Reenviar e-mail de verificação</translation>
    </message>
    <message>
        <source>Check activation status</source>
        <translation>Verificar status da ativação</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation>Aguardando a aprovação do administrador</translation>
    </message>
    <message>
        <source>Your administrator has been notified.</source>
        <translation>Seu administrador foi notificado.</translation>
    </message>
    <message>
        <source>Verification request failed</source>
        <translation>Falha na solicitação de verificação</translation>
    </message>
    <message>
        <source>Checked at %1</source>
        <translation>Última verificação: %1</translation>
    </message>
</context>
<context>
    <name>AnswerWait</name>
    <message>
        <source>The application service did not answer. Please try again.</source>
        <translation>O serviço do aplicativo não respondeu. Tente novamente.</translation>
    </message>
</context>
<context>
    <name>AuthEmail</name>
    <message>
        <source>Sign In</source>
        <translation>Entrar na sua conta</translation>
    </message>
    <message>
        <source>Email address</source>
        <translation>Endereço de e-mail</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation>E-mail inválido</translation>
    </message>
    <message>
        <source>Invalid email. Please contact your administrator.</source>
        <translation>E-mail inválido. Entre em contato com o administrador.</translation>
    </message>
    <message>
        <source>OTP resend blocked. Please try again later.</source>
        <translation>Reenvio de OTP bloqueado. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>OTP attempts blocked. Please try again later.</source>
        <translation>Tentativas de OTP bloqueadas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>User registration failed</source>
        <translation>Falha no registro do usuário</translation>
    </message>
    <message>
        <source>Sign in using your company email address to access the enterprise network from this endpoint.</source>
        <translation>Entre com o endereço de e-mail da sua empresa para acessar a rede corporativa a partir deste dispositivo.</translation>
    </message>
    <message>
        <source>Sign in using your %1 email address to access the enterprise network from this endpoint.</source>
        <extracomment>%1 is the name of the user&apos;s company.</extracomment>
        <translation>Entre com seu endereço de e-mail da empresa %1 para acessar a rede corporativa a partir deste dispositivo.</translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation>As tentativas de OTP estão bloqueadas por %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>The desktop window of the Vexa secure-access agent.</source>
        <translation>A janela da área de trabalho do agente de acesso seguro Vexa.</translation>
    </message>
    <message>
        <source>Open &lt;rurl&gt; with the desktop&apos;s handler for it at start.</source>
        <translation>Ao iniciar, abre &lt;rurl&gt; com o programa da área de trabalho associado a ele.</translation>
    </message>
    <message>
        <source>Run for &lt;user&gt; instead of the user of the session.</source>
        <translation>Executa para &lt;user&gt; em vez do usuário da sessão.</translation>
    </message>
    <message>
        <source>If &quot;true&quot;, allow another instance for the same user.</source>
        <translation>Se for &quot;true&quot;, permite outra instância para o mesmo usuário.</translation>
    </message>
    <message>
        <source>Write a support report for the helpdesk to &lt;file&gt;.</source>
        <translation>Grava um relatório de suporte para o helpdesk em &lt;file&gt;.</translation>
    </message>
    <message>
        <source>No window of this user is running, so the report has no link history.</source>
        <translation>Nenhuma janela deste usuário está em execução, então o relatório não tem histórico da conexão.</translation>
    </message>
    <message>
        <source>Print what the running window of this user shows, and exit.</source>
        <translation>Mostra o que a janela em execução deste usuário exibe e sai.</translation>
    </message>
    <message>
        <source>With --status, print it as JSON.</source>
        <translation>Com --status, mostra em formato JSON.</translation>
    </message>
    <message>
        <source>No window of this user is running.</source>
        <translation>Nenhuma janela deste usuário está em execução.</translation>
    </message>
    <message>
        <source>The window of this user did not answer within %1 s.</source>
        <translation>A janela deste usuário não respondeu em %1 s.</translation>
    </message>
    <message>
        <source>Could not write the support report to %1: %2</source>
        <translation>Não foi possível gravar o relatório de suporte em %1: %2</translation>
    </message>
    <message>
        <source>Wrote the support report to %1.</source>
        <translation>Relatório de suporte gravado em %1.</translation>
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
        <translation>Comentários</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>ASSUNTO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MENSAGEM</translation>
    </message>
    <message>
        <source>Type your message here</source>
        <translation>Digite sua mensagem aqui</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>Não é possível conectar ao serviço do aplicativo</translation>
    </message>
    <message>
        <source>Enter a subject.</source>
        <translation>Digite um assunto.</translation>
    </message>
    <message>
        <source>Failed to submit your feedback</source>
        <translation>Não foi possível enviar seus comentários</translation>
    </message>
    <message>
        <source>Submitting feedback…</source>
        <translation>Enviando comentários…</translation>
    </message>
    <message>
        <source>Agent not activated</source>
        <translation>Agente não ativado</translation>
    </message>
    <message>
        <source>Your feedback has been submitted. Ticket ID: %1</source>
        <extracomment>%1 is the ticket number the support desk gave the feedback.</extracomment>
        <translation>Seus comentários foram enviados. ID do chamado: %1</translation>
    </message>
    <message>
        <source>The application service did not answer. Your feedback may still arrive; if it does, its ticket number will be shown.</source>
        <translation>O serviço do aplicativo não respondeu. Seus comentários ainda podem chegar; se chegarem, o ID do chamado será exibido.</translation>
    </message>
    <message>
        <source>Your earlier feedback may still reach the support desk. Send the same message again?</source>
        <translation>Seus comentários anteriores ainda podem chegar ao suporte. Deseja enviar a mesma mensagem novamente?</translation>
    </message>
    <message>
        <source>The message is empty: only the subject is sent.</source>
        <translation>A mensagem está vazia: somente o assunto será enviado.</translation>
    </message>
</context>
<context>
    <name>FirstRunWords</name>
    <message>
        <source>Unable to connect to the %1 service</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>Não é possível conectar ao serviço do %1</translation>
    </message>
    <message>
        <source>The %1 service did not answer. Please try again.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>O serviço do %1 não respondeu. Tente novamente.</translation>
    </message>
    <message>
        <source>The QR code is not available while the %1 service is unreachable.</source>
        <extracomment>%1 is the product&apos;s name: &quot;the Novalume service&quot;.</extracomment>
        <translation>O código QR não está disponível enquanto o serviço do %1 estiver inacessível.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Secure Access</source>
        <translation>Acesso Seguro</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>Não é possível conectar ao serviço do aplicativo</translation>
    </message>
    <message>
        <source>User authentication is in progress</source>
        <translation>Autenticação do usuário em andamento</translation>
    </message>
    <message>
        <source>User authentication failed</source>
        <translation>Falha na autenticação do usuário</translation>
    </message>
    <message>
        <source>User authentication successful</source>
        <translation>Usuário autenticado com sucesso</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Conectando…</translation>
    </message>
    <message>
        <source>You&apos;re connected!</source>
        <translation>Conexão estabelecida!</translation>
    </message>
    <message>
        <source>Disconnecting…</source>
        <translation>Desconectando…</translation>
    </message>
    <message>
        <source>You&apos;re already in the network</source>
        <translation>Você já está na rede</translation>
    </message>
    <message>
        <source>You&apos;re not connected</source>
        <translation>Sem conexão</translation>
    </message>
    <message>
        <source>Your administrator did not approve the activation of this device.</source>
        <translation>Seu administrador não aprovou a ativação deste dispositivo.</translation>
    </message>
    <message>
        <source>The system could not be restarted. Please restart it yourself.</source>
        <translation>Não foi possível reiniciar o sistema. Reinicie-o manualmente.</translation>
    </message>
    <message>
        <source>Listing peer devices failed</source>
        <translation>Falha ao listar os dispositivos pares</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>%1 keeps running in the system tray. Click its icon to open the window again.</source>
        <translation>O %1 continua em execução na bandeja do sistema. Clique no ícone para abrir a janela novamente.</translation>
    </message>
    <message>
        <source>%1 keeps running while its window is minimized. Find it in the taskbar.</source>
        <translation>O %1 continua em execução com a janela minimizada. Você o encontra na barra de tarefas.</translation>
    </message>
    <message>
        <source>Last known: %1</source>
        <translation>Último estado conhecido: %1</translation>
    </message>
    <message>
        <source>Getting notifications failed</source>
        <translation>Falha ao obter as notificações</translation>
    </message>
    <message>
        <source>Discovery in progress</source>
        <translation>Descoberta em andamento</translation>
    </message>
    <message>
        <source>Fetching preferred access gateway information</source>
        <translation>Obtendo informações do gateway de acesso preferencial</translation>
    </message>
    <message>
        <source>Checking preferred access gateway reachability</source>
        <translation>Verificando se o gateway de acesso preferencial está acessível</translation>
    </message>
    <message>
        <source>Fetching profile</source>
        <translation>Obtendo o perfil</translation>
    </message>
    <message>
        <source>Creating session</source>
        <translation>Criando a sessão</translation>
    </message>
    <message>
        <source>Session timed out</source>
        <translation>A sessão expirou</translation>
    </message>
    <message>
        <source>Your device has been isolated</source>
        <translation>Seu dispositivo foi isolado</translation>
    </message>
    <message>
        <source>You&apos;re subscribed</source>
        <translation>Sua assinatura está ativa</translation>
    </message>
    <message>
        <source>Listing the preferred access gateways failed</source>
        <translation>Falha ao listar os gateways de acesso preferenciais</translation>
    </message>
    <message>
        <source>You&apos;re not subscribed to the secure connection</source>
        <translation>Você não tem assinatura da conexão segura</translation>
    </message>
    <message>
        <source>Setting the preferred access gateway failed</source>
        <translation>Falha ao definir o gateway de acesso preferencial</translation>
    </message>
    <message>
        <source>Internet access is blocked.</source>
        <translation>O acesso à Internet está bloqueado.</translation>
    </message>
    <message>
        <source>Access to the network address %1 has been blocked.</source>
        <translation>O acesso ao endereço de rede %1 foi bloqueado.</translation>
    </message>
    <message>
        <source>Internet access will be blocked at %1.</source>
        <translation>O acesso à Internet será bloqueado (horário previsto: %1).</translation>
    </message>
    <message>
        <source>Access to the network address %1 will be blocked at %2.</source>
        <translation>O acesso ao endereço de rede %1 será bloqueado (horário previsto: %2).</translation>
    </message>
    <message>
        <source>Internet access is enabled.</source>
        <translation>O acesso à Internet foi liberado.</translation>
    </message>
    <message>
        <source>%1 Open %2 to see the compliance details.</source>
        <extracomment>%1 is a notice about network access, %2 the product&apos;s name.</extracomment>
        <translation>%1 Abra o %2 para ver os detalhes de conformidade.</translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation>Obtendo informações</translation>
    </message>
    <message>
        <source>%1 requires a system restart. Click &apos;OK&apos; to restart the system.</source>
        <extracomment>%1 is the product&apos;s name.</extracomment>
        <translation>O %1 requer a reinicialização do sistema. Clique em &apos;OK&apos; para reiniciar o sistema.</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>Há resultados de conformidade para revisar</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Verificando…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Signed in. Secure Access is off: turn it on with the switch above.</source>
        <translation>Você entrou na sua conta. O Acesso Seguro está desligado: ligue-o no interruptor acima.</translation>
    </message>
</context>
<context>
    <name>Notification</name>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Gerenciamento de dispositivos</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Processos</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Portas</translation>
    </message>
    <message>
        <source>Network Interfaces</source>
        <translation>Interfaces de rede</translation>
    </message>
    <message>
        <source>Operating System Information</source>
        <translation>Informações do sistema operacional</translation>
    </message>
    <message>
        <source>Hardware Information</source>
        <translation>Informações de hardware</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation>Firewall do Windows</translation>
    </message>
    <message>
        <source>Trusted Certificates</source>
        <translation>Certificados confiáveis</translation>
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
        <translation>Antivírus do Windows</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Windows Autorun</source>
        <translation>Execução automática do Windows</translation>
    </message>
    <message>
        <source>SMB Shares</source>
        <translation>Compartilhamentos SMB</translation>
    </message>
    <message>
        <source>Malicious Applications Installed</source>
        <translation>Aplicativos mal-intencionados instalados</translation>
    </message>
    <message>
        <source>Operating System Version Mismatch</source>
        <translation>Versão do sistema operacional divergente</translation>
    </message>
    <message>
        <source>Risky Certificate Installed</source>
        <translation>Certificado de risco instalado</translation>
    </message>
    <message>
        <source>VPN Installed on the System</source>
        <translation>VPN instalada no sistema</translation>
    </message>
    <message>
        <source>Mandatory Applications Not Installed</source>
        <translation>Aplicativos obrigatórios não instalados</translation>
    </message>
    <message>
        <source>Mandatory Certificate Not Installed</source>
        <translation>Certificado obrigatório não instalado</translation>
    </message>
    <message>
        <source>VPN Not Installed on the System</source>
        <translation>VPN não instalada no sistema</translation>
    </message>
    <message>
        <source>Malicious Processes Running</source>
        <translation>Processos mal-intencionados em execução</translation>
    </message>
    <message>
        <source>Mandatory Processes Not Running</source>
        <translation>Processos obrigatórios não estão em execução</translation>
    </message>
    <message>
        <source>Risky Ports Open</source>
        <translation>Portas de risco abertas</translation>
    </message>
    <message>
        <source>Mandatory Ports Closed</source>
        <translation>Portas obrigatórias fechadas</translation>
    </message>
    <message>
        <source>Windows Firewall Enabled on the System</source>
        <translation>Firewall do Windows habilitado no sistema</translation>
    </message>
    <message>
        <source>Windows Autorun Enabled</source>
        <translation>Execução automática do Windows habilitada</translation>
    </message>
    <message>
        <source>Windows Antivirus Enabled</source>
        <translation>Antivírus do Windows habilitado</translation>
    </message>
    <message>
        <source>SMB Sharing Enabled</source>
        <translation>Compartilhamento SMB habilitado</translation>
    </message>
    <message>
        <source>Windows Firewall Disabled on the System</source>
        <translation>Firewall do Windows desabilitado no sistema</translation>
    </message>
    <message>
        <source>Windows Autorun Disabled</source>
        <translation>Execução automática do Windows desabilitada</translation>
    </message>
    <message>
        <source>Windows Antivirus Disabled</source>
        <translation>Antivírus do Windows desabilitado</translation>
    </message>
    <message>
        <source>SMB Sharing Disabled</source>
        <translation>Compartilhamento SMB desabilitado</translation>
    </message>
    <message>
        <source>File(s) Found on the System</source>
        <translation>Arquivos encontrados no sistema</translation>
    </message>
    <message>
        <source>Registry Key Mismatch</source>
        <translation>Chave do Registro divergente</translation>
    </message>
    <message>
        <source>File(s) Missing from the System</source>
        <translation>Arquivos ausentes no sistema</translation>
    </message>
    <message>
        <source>No notifications</source>
        <translation>Nenhuma notificação</translation>
    </message>
    <message>
        <source>Malicious Client Certificate Signed by the CA Certificate(s)</source>
        <translation>Certificado de cliente mal-intencionado assinado pelos certificados de CA</translation>
    </message>
    <message>
        <source>No Client Certificate Signed by the CA Certificate(s)</source>
        <translation>Nenhum certificado de cliente está assinado pelos certificados de CA</translation>
    </message>
    <message>
        <source>Unexpected operating system found: %1</source>
        <translation>Sistema operacional inesperado encontrado: %1</translation>
    </message>
    <message>
        <source>Expected operating system: %1</source>
        <translation>Sistema operacional esperado: %1</translation>
    </message>
    <message>
        <source>Expected Registry entry: %1</source>
        <translation>Entrada do Registro esperada: %1</translation>
    </message>
    <message>
        <source>Unexpected Registry entry found: %1</source>
        <translation>Entrada do Registro inesperada encontrada: %1</translation>
    </message>
    <message>
        <source>Vendor: %1</source>
        <translation>Fornecedor: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
    <message>
        <source>Command: %1</source>
        <translation>Comando: %1</translation>
    </message>
    <message>
        <source>Condition: %1</source>
        <translation>Condição: %1</translation>
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
        <translation>Chave: %1</translation>
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
        <translation>Verificação do usuário</translation>
    </message>
    <message>
        <source>Check your email for the one-time password (OTP) and enter it below</source>
        <translation>Veja no seu e-mail a senha de uso único (OTP) e digite-a abaixo</translation>
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
        <translation>OTP inválida</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Invalid email</source>
        <translation>E-mail inválido</translation>
    </message>
    <message>
        <source>OTP resend blocked</source>
        <translation>Reenvio de OTP bloqueado</translation>
    </message>
    <message>
        <source>OTP attempts blocked</source>
        <translation>Tentativas de OTP bloqueadas</translation>
    </message>
    <message>
        <source>User association failed</source>
        <translation>Falha ao associar o usuário</translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the activation screen and try again.</source>
        <translation>E-mail não encontrado. Volte à tela de ativação e tente novamente.</translation>
    </message>
    <message>
        <source>Email address not found. Please go back to the email screen and try again.</source>
        <translation>E-mail não encontrado. Volte à tela de e-mail e tente novamente.</translation>
    </message>
    <message>
        <source>Your OTP is valid for %1.</source>
        <extracomment>%1 is the time left, as minutes:seconds.</extracomment>
        <translation>Sua OTP é válida por %1.</translation>
    </message>
    <message>
        <source>OTP attempts are blocked for %1.</source>
        <extracomment>%1 is the time left, as hours:minutes:seconds.</extracomment>
        <translation>As tentativas de OTP estão bloqueadas por %1.</translation>
    </message>
    <message>
        <source>Digits only</source>
        <translation>Somente números</translation>
    </message>
</context>
<context>
    <name>PagSelection</name>
    <message>
        <source>Preferred Gateway</source>
        <translation>Gateway preferencial</translation>
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
        <translation>Não é possível conectar ao serviço do aplicativo</translation>
    </message>
    <message>
        <source>Out of service</source>
        <translation>Fora de serviço</translation>
    </message>
    <message>
        <source>No gateways available</source>
        <translation>Nenhum gateway disponível</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>Em uso</translation>
    </message>
    <message>
        <source>Secure Access disconnects while it switches to the chosen gateway. Switch now?</source>
        <translation>O Acesso Seguro se desconecta enquanto muda para o gateway escolhido. Deseja mudar agora?</translation>
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
        <translation>A lista de dispositivos pares está vazia</translation>
    </message>
    <message>
        <source>Press Enter to copy the address</source>
        <translation>Pressione Enter para copiar o endereço</translation>
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
        <translation>Gerar novo QR</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The QR code could not be displayed. Select &apos;Regenerate QR&apos; to try again.</source>
        <translation>Não foi possível exibir o código QR. Selecione &apos;Gerar novo QR&apos; para tentar novamente.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Scan this code with your phone to activate this device</source>
        <translation>Escaneie este código com seu celular para ativar este dispositivo</translation>
    </message>
    <message>
        <source>If you experience an error with the QR code above, select the &apos;Regenerate QR&apos; button below and repeat the process. If you continue to experience issues, contact your administrator for assistance.</source>
        <translation>Se ocorrer algum erro com o código QR acima, selecione o botão &apos;Gerar novo QR&apos; abaixo e repita o processo. Se o problema continuar, entre em contato com o administrador para obter ajuda.</translation>
    </message>
    <message>
        <source>Waiting for a new code</source>
        <translation>Aguardando um novo código</translation>
    </message>
    <message>
        <source>No QR code has come yet.</source>
        <translation>Nenhum código QR chegou ainda.</translation>
    </message>
    <message>
        <source>Scan the code below with your phone. This window moves on by itself once the code is scanned.</source>
        <translation>Escaneie o código abaixo com seu celular. Esta janela avança sozinha assim que o código for escaneado.</translation>
    </message>
    <message>
        <source>Activation by QR code</source>
        <translation>Ativação por código QR</translation>
    </message>
    <message>
        <source>QR code ready to scan</source>
        <translation>Código QR pronto para escanear</translation>
    </message>
</context>
<context>
    <name>ServiceCode</name>
    <message>
        <source>Enter the account service ID below</source>
        <translation>Digite abaixo o ID de serviço da conta</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID de serviço</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Please enter the account service ID.</source>
        <translation>Digite o ID de serviço da conta.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>SESSION DETAILS</source>
        <translation>DETALHES DA SESSÃO</translation>
    </message>
    <message>
        <source>Access Gateway</source>
        <translation>Gateway de acesso</translation>
    </message>
    <message>
        <source>WAN</source>
        <translation>WAN</translation>
    </message>
    <message>
        <source>External IP</source>
        <translation>IP externo</translation>
    </message>
    <message>
        <source>Access Gateway IP</source>
        <translation>IP do gateway de acesso</translation>
    </message>
    <message>
        <source>Assigned IP</source>
        <translation>IP atribuído</translation>
    </message>
    <message>
        <source>Uptime</source>
        <translation>Tempo ativo</translation>
    </message>
    <message>
        <source>EDR Connection</source>
        <translation>Conexão EDR</translation>
    </message>
    <message>
        <source>ACCOUNT DETAILS</source>
        <translation>DETALHES DA CONTA</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nome do dispositivo</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>TEST CONNECTIVITY</source>
        <translation>TESTE DE CONECTIVIDADE</translation>
    </message>
    <message>
        <source>Run test</source>
        <translation>Testar</translation>
    </message>
    <message>
        <source>COMPLIANCE DETAILS</source>
        <translation>DETALHES DE CONFORMIDADE</translation>
    </message>
    <message>
        <source>PEER DEVICES</source>
        <translation>DISPOSITIVOS PARES</translation>
    </message>
    <message>
        <source>View all devices</source>
        <translation>Ver todos os dispositivos</translation>
    </message>
    <message>
        <source>SUPPORT</source>
        <translation>SUPORTE</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentários</translation>
    </message>
    <message>
        <source>LEGAL</source>
        <translation>INFORMAÇÕES LEGAIS</translation>
    </message>
    <message>
        <source>Terms of Service</source>
        <translation>Termos de Serviço</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de Privacidade</translation>
    </message>
    <message>
        <source>End User License Agreement</source>
        <translation>Contrato de Licença do Usuário Final</translation>
    </message>
    <message>
        <source>DEACTIVATION</source>
        <translation>DESATIVAÇÃO</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>SOBRE</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Sign out</source>
        <translation>Sair da conta</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
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
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Unable to connect to the application service</source>
        <translation>Não é possível conectar ao serviço do aplicativo</translation>
    </message>
    <message>
        <source>You are about to sign out. Click &apos;Yes&apos; to continue.</source>
        <translation>Você está prestes a sair da sua conta. Clique em &apos;Sim&apos; para continuar.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notificações</translation>
    </message>
    <message>
        <source>This device has been deactivated.</source>
        <translation>Este dispositivo foi desativado.</translation>
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
        <translation>Falha ao definir o gateway de acesso preferencial</translation>
    </message>
    <message>
        <source>Deactivation failed. Please try again or contact your administrator.</source>
        <translation>Falha na desativação. Tente novamente ou entre em contato com o administrador.</translation>
    </message>
    <message>
        <source>Password required</source>
        <translation>Senha obrigatória</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Senha incorreta</translation>
    </message>
    <message>
        <source>Deactivation not allowed</source>
        <translation>Desativação não permitida</translation>
    </message>
    <message>
        <source>Sign-out failed</source>
        <translation>Não foi possível sair da sua conta</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>Há resultados de conformidade para revisar</translation>
    </message>
    <message>
        <source>Save support report…</source>
        <translation>Salvar relatório de suporte…</translation>
    </message>
    <message>
        <source>The device leaves your organization and Secure Access stops until it is enrolled again.</source>
        <translation>O dispositivo deixa sua organização e o Acesso Seguro para até que seja registrado novamente.</translation>
    </message>
    <message>
        <source>The password must not be empty.</source>
        <translation>A senha não pode ficar em branco.</translation>
    </message>
    <message>
        <source>Enter the deactivation password from your administrator:</source>
        <translation>Digite a senha de desativação fornecida pelo seu administrador:</translation>
    </message>
    <message>
        <source>Deactivate this device?</source>
        <translation>Desativar este dispositivo?</translation>
    </message>
</context>
<context>
    <name>StatusNotices</name>
    <message>
        <source>The application service is available again.</source>
        <translation>O serviço do aplicativo está disponível novamente.</translation>
    </message>
    <message>
        <source>Your administrator approved this device.</source>
        <translation>Seu administrador aprovou este dispositivo.</translation>
    </message>
    <message>
        <source>Secure Access is now off.</source>
        <translation>O Acesso Seguro se desligou.</translation>
    </message>
    <message>
        <source>Secure Access stopped connecting.</source>
        <translation>O Acesso Seguro parou de tentar se conectar.</translation>
    </message>
    <message numerus="yes">
        <source>The application service is unavailable. Retrying every %n seconds.</source>
        <translation>
            <numerusform>O serviço do aplicativo não está disponível. Tentando novamente a cada %n segundo.</numerusform>
            <numerusform>O serviço do aplicativo não está disponível. Tentando novamente a cada %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusWords</name>
    <message>
        <source>Network access blocked</source>
        <translation>Acesso à rede bloqueado</translation>
    </message>
    <message>
        <source>Network access about to be blocked</source>
        <translation>O acesso à rede será bloqueado em breve</translation>
    </message>
    <message>
        <source>Restart required</source>
        <translation>Reinicialização necessária</translation>
    </message>
    <message>
        <source>Device isolated</source>
        <translation>Dispositivo isolado</translation>
    </message>
    <message>
        <source>Compliance findings to review</source>
        <translation>Há resultados de conformidade para revisar</translation>
    </message>
    <message>
        <source>Secure Access turned off by your administrator</source>
        <translation>Seu administrador desligou o Acesso Seguro</translation>
    </message>
    <message>
        <source>Application service unavailable</source>
        <translation>Serviço do aplicativo indisponível</translation>
    </message>
    <message>
        <source>Application service port held by another user</source>
        <translation>Outro usuário está usando a porta do serviço do aplicativo</translation>
    </message>
    <message>
        <source>Device not enrolled</source>
        <translation>Dispositivo não registrado</translation>
    </message>
    <message>
        <source>Waiting for administrator approval</source>
        <translation>Aguardando a aprovação do administrador</translation>
    </message>
    <message>
        <source>Sign-in needed</source>
        <translation>É necessário entrar na sua conta</translation>
    </message>
    <message>
        <source>Secure Access off</source>
        <translation>Acesso Seguro desligado</translation>
    </message>
    <message>
        <source>Contacting the application service</source>
        <translation>Contatando o serviço do aplicativo</translation>
    </message>
    <message>
        <source>Fetching information</source>
        <translation>Obtendo informações</translation>
    </message>
    <message>
        <source>Secure Access disconnecting</source>
        <translation>Acesso Seguro desconectando</translation>
    </message>
    <message>
        <source>Secure Access connecting</source>
        <translation>Acesso Seguro conectando</translation>
    </message>
    <message>
        <source>Secure Access on</source>
        <translation>Acesso Seguro ligado</translation>
    </message>
    <message>
        <source>Needs attention</source>
        <translation>Requer atenção</translation>
    </message>
    <message>
        <source>retrying</source>
        <translation>tentando novamente</translation>
    </message>
    <message>
        <source>already in the network</source>
        <translation>já na rede</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Ask your administrator to check the application service.</source>
        <translation>Peça ao seu administrador para verificar o serviço do aplicativo.</translation>
    </message>
    <message>
        <source>Restart the computer to finish.</source>
        <translation>Reinicie o computador para concluir.</translation>
    </message>
    <message>
        <source>Ask your administrator for help.</source>
        <translation>Peça ajuda ao seu administrador.</translation>
    </message>
    <message>
        <source>Open Settings, then Notifications, to see the compliance details.</source>
        <translation>Abra Configurações e depois Notificações para ver os detalhes de conformidade.</translation>
    </message>
    <message numerus="yes">
        <source>Retrying every %n seconds.</source>
        <translation>
            <numerusform>Tentando novamente a cada %n segundo.</numerusform>
            <numerusform>Tentando novamente a cada %n segundos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SubScreenTitleBar</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>SupportPreview</name>
    <message>
        <source>Support report</source>
        <translation>Relatório de suporte</translation>
    </message>
    <message>
        <source>The report is one file for your helpdesk. It holds:</source>
        <translation>O relatório é um único arquivo para o seu helpdesk. Ele contém:</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Email addresses, user, device and enterprise names and IP addresses are replaced by placeholders, and passwords, one-time passwords, activation codes and QR codes are never recorded.</source>
        <translation>Endereços de e-mail, nomes de usuário, de dispositivo e de empresa e endereços IP são substituídos por marcadores, e senhas, senhas de uso único, códigos de ativação e códigos QR nunca são registrados.</translation>
    </message>
    <message>
        <source>Copy summary</source>
        <translation>Copiar resumo</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Salvar…</translation>
    </message>
    <message>
        <source>The summary is on the clipboard.</source>
        <translation>O resumo está na área de transferência.</translation>
    </message>
    <message>
        <source>Save support report</source>
        <translation>Salvar relatório de suporte</translation>
    </message>
    <message>
        <source>Zip archives (*.zip)</source>
        <translation>Arquivos Zip (*.zip)</translation>
    </message>
    <message>
        <source>The support report could not be saved: %1</source>
        <translation>Não foi possível salvar o relatório de suporte: %1</translation>
    </message>
    <message>
        <source>The support report was saved as %1.</source>
        <translation>O relatório de suporte foi salvo como %1.</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Mostrar na pasta</translation>
    </message>
</context>
<context>
    <name>SupportReport</name>
    <message>
        <source>The archive could not be made.</source>
        <translation>Não foi possível criar o arquivo compactado.</translation>
    </message>
    <message>
        <source>this computer, the window and the summary below</source>
        <translation>este computador, a janela e o resumo abaixo</translation>
    </message>
    <message>
        <source>connection events with the application service: %1</source>
        <translation>eventos da conexão com o serviço do aplicativo: %1</translation>
    </message>
    <message>
        <source>the last messages from the application service: %1</source>
        <translation>as últimas mensagens do serviço do aplicativo: %1</translation>
    </message>
    <message>
        <source>requests the window sent: %1</source>
        <translation>solicitações enviadas pela janela: %1</translation>
    </message>
    <message>
        <source>the last state the application service reported</source>
        <translation>o último estado informado pelo serviço do aplicativo</translation>
    </message>
    <message>
        <source>warnings from the window: %1</source>
        <translation>avisos da janela: %1</translation>
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
        <translation>Acesso &amp;Seguro</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Save support &amp;report…</source>
        <translation>Salvar &amp;relatório de suporte…</translation>
    </message>
</context>
<context>
    <name>WaitingSpinnerWidget</name>
    <message>
        <source>Please wait</source>
        <translation>Aguarde</translation>
    </message>
</context>
<context>
    <name>WebLink</name>
    <message>
        <source>No application could open this address. Copy it into your web browser:</source>
        <translation>Nenhum aplicativo conseguiu abrir este endereço. Copie-o no seu navegador:</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>Copiar endereço</translation>
    </message>
    <message>
        <source>No application could open this folder. Open it in your file manager:</source>
        <translation>Nenhum aplicativo conseguiu abrir esta pasta. Abra-a no seu gerenciador de arquivos:</translation>
    </message>
</context>
<context>
    <name>vexaintf</name>
    <message>
        <source>Connection refused: the owner of the application service port could not be verified</source>
        <translation>Conexão recusada: não foi possível verificar o proprietário da porta do serviço do aplicativo</translation>
    </message>
    <message>
        <source>Connection refused: the application service port is held by another user (%1)</source>
        <translation>Conexão recusada: a porta do serviço do aplicativo está em uso por outro usuário (%1)</translation>
    </message>
</context>
</TS>
