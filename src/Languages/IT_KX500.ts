<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Localizzazione</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Sensore H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Gestione</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Lunga durata</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Ricerca tubazioni</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
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
        <translation>Misure</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Trasferimento dati</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Modo tasto muto</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Protezione udito</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizza schermate</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Cuffie associate</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>RM-3 associato</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Tasto preferito</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Risparmio energia</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Informazioni sistema</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Ripristino di fabbrica</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fuso orario</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruttore</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Pulsante</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inattiva</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Impostazioni varie</translation>
    </message>
    <message>
        <source>low</source>
        <translation>bassa</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>media</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Ora solare</translation>
    </message>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlino</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Misura di livello</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Misura lunga durata</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sensore H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Pagina seguente</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localizzazione</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Ricerca tubazioni</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Impossibile salvare le impostazioni. Le modifiche andranno perse allo spegnimento.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungherese</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Sloveno</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumeno</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovacco</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finlandese</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danese</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegese</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgaro</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croato</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbo</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
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
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Le funzioni di questo menu di servizio non sono disponibili in questa versione.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Questa funzione non è disponibile in questa versione.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Menu test di fabbrica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Le funzioni di questo menu di servizio non sono disponibili in questa versione.</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Il sensore non è stato rilevato.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Tensione batteria dell'RM-3 troppo bassa. Ricaricare.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Tipo di sensore non rilevato. Fissare il sensore o pulire i contatti.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Batteria quasi scarica. Ricaricare.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Inserire un nome</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Nessun sensore</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
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
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Modo tasto</translation>
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
        <translation>Indirizzo BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Rileggi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nessuna connessione Bluetooth. Controllare l'RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Interrogazione RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Nessuna risposta dall'RM-3. Verificare che sia acceso e vicino.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Trasduttore di pressione</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Numero massimo di misure raggiunto. La misura non verrà salvata. Eliminare le misure vecchie.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Numero di misure vicino al limite. Eliminare le misure vecchie.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Memoria dati insufficiente. La misura non è stata salvata. Eliminare le misure vecchie.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Impossibile salvare la misura.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Filtro banda attivo</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtro spento</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Taglio basso</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Taglio alto</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Filtro auto</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Nessun filtro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume cuffie</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Guadagno microfono</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume cuffie</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Più basso</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Più alto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Attenzione! Volumi elevati possono
causare danni all'udito.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Guadagno ingresso cavo</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Guadagno del sensore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Regola filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume cuffie</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Riproduci registrazione</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Ferma riproduzione</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Guadagno cuffie</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Picco</translation>
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
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Modifica misura</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtra misure</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Pagina seguente</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Nessuna misura salvata</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Impossibile eliminare la misura.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Impossibile rinominare la misura. Forse un'altra misura ha già questo nome.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Modifica misura</translation>
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
        <translation>Cambia nome</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localizzazione</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Misura di livello</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Ricerca tubazioni</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Misura H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Misura lunga durata</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Eliminare questa misura e le sue registrazioni?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Questa misura non ha registrazioni.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Impossibile riprodurre la registrazione.</translation>
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
        <translation>Per questa misura è necessario
collegare un sensore acustico.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Questa misura è danneggiata. I valori non possono essere visualizzati.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nessuna connessione Bluetooth. Controllare l'RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Per questa misura è necessario
collegare un sensore H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala delle barre</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Elimina l'ultima posizione</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Regola filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume cuffie</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Riproduci registrazione</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Ferma riproduzione</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Posizione seguente</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Tempo di analisi</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Scala auto</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Regola filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume cuffie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Regola filtro</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Guadagno microfono</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume cuffie</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Imposta riferimento</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volume cuffie</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Rif.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Asse tempo</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Asse pressione</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analizza</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Nessun trasduttore</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>Il PC può ora leggere le misure.
Espellere l'unità sul PC,
poi premere Disconnetti.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Collegare il KXE500 al PC
e premere Connetti.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
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
        <translation>Impossibile eseguire questi file dal PC:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Installato</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Nessun file firmware %1 trovato.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 non riporta una versione (es. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Copiare i file firmware.
A copia completata,
premere Disconnetti.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Collegare il KXE500 al PC
e premere Connetti.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Aggiorna KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Aggiorna RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>%1 file firmware trovati; viene proposto il più recente.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>File firmware illeggibile. Riprovare.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Aggiornamento KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Copia dei file in corso, attendere ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Impossibile copiare il firmware. Riprovare.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Aggiornamento firmware KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Tutti i file copiati.
Attendere il riavvio ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Aggiornamento RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Trasmissione firmware, attendere ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Errore durante l'aggiornamento firmware. Riprovare.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware trasmesso.
Attendere il riavvio dell'RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Aggiornamento firmware riuscito.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Aggiornamento firmware RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Aggiornamento firmware completato.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>L'RM-3 indica ancora il firmware %1.
Riprovare.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>L'RM-3 indica il firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Errore di aggiornamento, riprovare.
Nessuna risposta dal dispositivo Bluetooth.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Aggiornamento firmware annullato.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Impossibile trasferire i dati al PC. Riprovare.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>Il PC usa ancora i dati. Espellere l'unità sul PC e premere di nuovo Disconnetti.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Impossibile aprire la memoria misure. Non è possibile salvare misure.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Mostra FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Mostra frequenza</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Mostra barra di picco</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Barra colore frequenza</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Mostra parametri filtro</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Scala dinamica</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Mostra griglia</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Mostra istogramma</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Mostra campo di lavoro</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Avvia con il preferito</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Avvia con l'ultimo filtro</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS attivo all'avvio</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Misura di livello</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Localizzazione</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Misura lunga durata</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sensore H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Ricerca tubazioni</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Data non valida</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Questa data non esiste. Correggere il giorno o il mese.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>low</source>
        <translation>bassa</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>media</translation>
    </message>
    <message>
        <source>high</source>
        <translation>alta</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Protezione udito</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inattiva</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Regola volume cuffie</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Il volume massimo sarà limitato.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Attenzione! Rischio di shock acustico.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Risparmio energia</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Display spento</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Ripristino di fabbrica</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Ripristino delle impostazioni di fabbrica.
Tutte le impostazioni (es. lingua,
dispositivi Bluetooth associati) saranno ripristinate.
Le misure salvate non verranno eliminate.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Ripristinare davvero tutte le impostazioni?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Tasto preferito</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Modo del tasto muto</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Interruttore</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Pulsante</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Isole Midway</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacifico</translation>
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
        <translation>New York</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Manaus</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Terranova</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Groenlandia</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Medio Atlantico</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azzorre</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londra</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlino</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Il Cairo</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Mosca</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Teheran</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu Dhabi</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kabul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islamabad</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Nuova Delhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Kathmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Yangon</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Tokyo</translation>
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
        <translation>Figi</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Ora solare</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Cambia ora legale / solare</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informazioni sistema</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Data di produzione</translation>
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
        <translation>Batteria</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug attivo</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Informazioni GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Info satelliti</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Velocità al suolo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altitudine</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Misura distanza</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Posizione di riferimento</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Posizione attuale</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Cambia formato posizione</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Mostra la posizione</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Mostra i dati NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Imposta posizione di riferimento</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Ferma monitoraggio</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Avvia monitoraggio</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Elimina i dati</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Attivare la modalità associazione
e premere Cerca ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Nessun dispositivo trovato. Riprovare.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Seleziona dispositivo</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Associazione in corso</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Associazione non riuscita.
Riprovare.</translation>
    </message>
</context>
</TS>
