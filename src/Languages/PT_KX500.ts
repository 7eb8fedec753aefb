<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Sensor H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Gestão</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Longa duração</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Traçado conduta</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Pressuresensor</source>
        <translation type="obsolete">Pressure sensor</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="obsolete">GPS</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation type="obsolete">Measurements</translation>
    </message>
</context>
<context>
    <name>Management</name>
    <message>
        <source>Measurements</source>
        <translation>Medições</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Transferir dados</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Modo tecla silêncio</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Proteção auditiva</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar ecrãs</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Auscultador emparelhado</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>RM-3 emparelhado</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Tecla favorita</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Poupança energia</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Informação do sistema</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Repor de fábrica</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Hora de verão</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Botão de pressão</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inativa</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Definições várias</translation>
    </message>
    <message>
        <source>low</source>
        <translation>baixo</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>médio</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Hora de verão</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Hora de inverno</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlim</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captura de ecrã</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Medição de nível</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Medição longa duração</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sensor H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Página seguinte</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Traçado conduta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Não foi possível guardar as definições. As alterações perdem-se ao desligar o aparelho.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Húngaro</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Esloveno</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romeno</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Eslovaco</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finlandês</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dinamarquês</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norueguês</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Búlgaro</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croata</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Sérvio</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Menu debug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>As funções deste menu de serviço não estão disponíveis nesta versão.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Esta função não está disponível nesta versão.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Menu teste de fábrica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>As funções deste menu de serviço não estão disponíveis nesta versão.</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>O sensor não foi detetado.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Tensão da bateria do RM-3 demasiado baixa. Recarregue.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Tipo de sensor não detetado. Fixe o sensor ou limpe os contactos.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Bateria muito fraca. Recarregue.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Introduzir nome</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Maiúsc</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Sem sensor</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganho</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Modo tecla</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Nome BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Endereço BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Ler de novo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Sem ligação Bluetooth. Verifique o RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>A consultar o RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Sem resposta do RM-3. Verifique se está ligado e próximo.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Transdutor de pressão</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Número máximo de medições atingido. A medição não será guardada. Apague medições antigas.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Número de medições perto do limite. Apague medições antigas.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Memória de dados insuficiente. A medição não foi guardada. Apague medições antigas.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Não foi possível guardar a medição.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Filtro banda ativo</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtro desligado</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Corte inferior</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Corte superior</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Filtro auto</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Sem filtro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume auscultador</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganho microfone</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume auscultador</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Mais baixo</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Mais alto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Atenção! Volumes elevados podem
causar danos auditivos.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganho microfone</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Ganho entrada por cabo</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Ganho do sensor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ajustar filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganho microfone</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume auscultador</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Reproduzir gravação</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Parar reprodução</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Ganho auscultador</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="obsolete">Note</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation type="obsolete">You must connect an acoustical sensor
to use this measurement.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="obsolete">Warning</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation type="obsolete">No bluetooth connection. Please check your RM-3.</translation>
    </message>
    <message>
        <source>NoRecordingStored</source>
        <translation type="obsolete">This measurement has no recording.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation type="obsolete">This measurement is damaged. Its values cannot be shown.</translation>
    </message>
</context>
<context>
    <name>MeasManagement</name>
    <message>
        <source>PreviousPage</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Editar medição</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtrar medições</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Página seguinte</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Nenhuma medição guardada</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Não foi possível apagar a medição.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Não foi possível mudar o nome da medição. Outra medição pode ter este nome.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Editar medição</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Mudar nome</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Medição de nível</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Traçado conduta</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Medição H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Medição longa duração</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Apagar esta medição e as suas gravações?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Esta medição não tem gravação.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Não é possível reproduzir a gravação.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Para esta medição tem de ligar
um sensor acústico.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Esta medição está danificada. Os valores não podem ser mostrados.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Sem ligação Bluetooth. Verifique o RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Para esta medição tem de ligar
um sensor H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala das barras</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Apagar última posição</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ajustar filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganho microfone</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume auscultador</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Reproduzir gravação</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Parar reprodução</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Posição seguinte</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Tempo de análise</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Escala auto</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ajustar filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganho microfone</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume auscultador</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ajustar filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ganho microfone</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume auscultador</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Definir referência</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume auscultador</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Eixo do tempo</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Eixo da pressão</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analisar</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Sem transdutor</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>O PC já pode ler as medições.
Ejete a unidade no PC
e prima Desconectar.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Ligue o KXE500 ao PC
e prima Conectar.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation type="obsolete">The data could not be handed to the PC. Please try again.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation type="obsolete">The PC still holds the data. Eject the drive on the PC and press Disconnect again.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation type="obsolete">The measurement memory could not be opened. Measurements cannot be stored.</translation>
    </message>
    <message>
        <source>ServiceFilesFailed</source>
        <translation>Não foi possível executar estes ficheiros do PC:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Sem ficheiro de firmware %1.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 não indica versão (p. ex. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Copie os ficheiros de firmware.
Quando estiverem todos copiados,
prima Desconectar.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Ligue o KXE500 ao PC
e prima Conectar.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Atualizar KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Atualizar RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>%1 ficheiros de firmware; é proposto o mais recente.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Ficheiro de firmware ilegível. Tente novamente.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>A atualizar KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>A copiar ficheiros, aguarde ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Não foi possível copiar o firmware. Tente novamente.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Atualizar firmware KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Ficheiros copiados.
Aguarde o reinício ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>A atualizar RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>A transmitir firmware, aguarde ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Erro ao atualizar o firmware. Tente novamente.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware transmitido.
Aguarde o reinício do RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Firmware atualizado com sucesso.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Atualizar firmware RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Atualização de firmware concluída.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>O RM-3 ainda indica o firmware %1.
Tente novamente.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>O RM-3 indica o firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Erro na atualização, tente novamente.
Sem resposta do dispositivo Bluetooth.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Atualização de firmware cancelada.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Não foi possível passar os dados ao PC. Tente novamente.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>O PC ainda retém os dados. Ejete a unidade no PC e prima de novo Desconectar.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Não foi possível abrir a memória de medições. Não é possível guardar medições.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Mostrar FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Mostrar frequência</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Mostrar barra de pico</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Barra na cor da frequência</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Mostrar parâmetros filtro</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Escala dinâmica</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Mostrar grelha</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Mostrar histograma</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Mostrar gama de trabalho</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Iniciar com o favorito</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Iniciar com último filtro</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS ligado no arranque</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Medição de nível</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Medição longa duração</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sensor H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Traçado conduta</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Data inválida</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Esta data não existe. Corrija o dia ou o mês.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>low</source>
        <translation>baixo</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>médio</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alto</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Proteção auditiva</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Ativa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inativa</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Ajustar volume auscultador</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>O volume máximo será limitado.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Atenção! Risco de choque acústico.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Poupança energia</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Ecrã desligado</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Repor de fábrica</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Repor as definições de fábrica.
Todas as definições (p. ex. idioma,
dispositivos Bluetooth emparelhados) serão repostas.
As medições guardadas não serão apagadas.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Repor mesmo todas as definições?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Tecla favorita</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Modo da tecla silêncio</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruptor</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Botão de pressão</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Ilhas Midway</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Havai</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alasca</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacífico</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Arizona</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Chicago</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>Nova Iorque</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Manaus</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Terra Nova</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Gronelândia</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Atlântico Médio</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Açores</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londres</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlim</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Cairo</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moscovo</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Teerão</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu Dhabi</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Cabul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islamabad</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Nova Deli</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Catmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Rangum</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Banguecoque</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Tóquio</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>Darwin</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>Magadan</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Fiji</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Hora de verão</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Hora de verão</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Hora de inverno</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Mudar hora verão / inverno</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informação do sistema</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Data de fabrico</translation>
    </message>
    <message>
        <source>BluetoothIdTx</source>
        <translation>ID Bluetooth Tx</translation>
    </message>
    <message>
        <source>BluetoothIdRx</source>
        <translation>ID Bluetooth Rx</translation>
    </message>
    <message>
        <source>Hardwareversion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug ativo</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Informação GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Info satélites</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Medição de distância</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Posição de referência</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Posição atual</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Mudar formato da posição</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Mostrar a posição</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Mostrar dados NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Definir posição de referência</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Parar monitorização</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Iniciar monitorização</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Apagar os dados</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Ative o modo de emparelhamento
e prima Procurar ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>A procurar</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Sem dispositivos. Tente novamente.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Selecione o dispositivo</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>A emparelhar</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Emparelhamento falhou.
Tente novamente.</translation>
    </message>
</context>
</TS>
