<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Localizare precisă</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Senzor H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Administrare</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Termen lung</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasare conducte</translation>
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
        <translation>Măsurători</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Transfer date</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizare</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Mod tastă mut</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Protecția auzului</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizare ecrane</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Căști asociate</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>RM-3 asociat</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Tastă favorită</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminozitate</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Economie energie</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Informații sistem</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Setări din fabrică</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Oră</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dată</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Fus orar</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Ora de vară</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Comutator</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Buton</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activ</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiv</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Setări diferite</translation>
    </message>
    <message>
        <source>low</source>
        <translation>redusă</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medie</translation>
    </message>
    <message>
        <source>high</source>
        <translation>ridicată</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Ora de vară</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Ora de iarnă</translation>
    </message>
    <message>
        <source>never</source>
        <translation>niciodată</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Captură ecran</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Măsurare nivel</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Măsurare pe termen lung</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Senzor H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Pagina anterioară</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Pagina următoare</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localizare precisă</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasare conducte</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Setările nu au putut fi salvate. Modificările se pierd la oprirea aparatului.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Engleză</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Germană</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franceză</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiană</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaniolă</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chineză</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Cehă</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Maghiară</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusă</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenă</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoneză</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poloneză</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugheză</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Română</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovacă</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suedeză</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finlandeză</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Daneză</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvegiană</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulgară</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Croată</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreeană</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Sârbă</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turcă</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Meniu debug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funcțiile acestui meniu de service nu sunt disponibile în această versiune.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Această funcție nu este disponibilă în această versiune.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Meniu test fabrică</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funcțiile acestui meniu de service nu sunt disponibile în această versiune.</translation>
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
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Senzorul nu a putut fi detectat.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Tensiunea bateriei RM-3 este prea mică. Reîncărcați.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Tipul senzorului nu a fost detectat. Fixați senzorul sau curățați contactele.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Bateria este aproape descărcată. Reîncărcați.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertizare</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Introduceți nume</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Spațiu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aplicare</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Fără senzor</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>necunoscut</translation>
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
        <translation>Baterie</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Amplificare</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Senzor</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Mod tastă</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Nume BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Adresă BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Recitire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nicio conexiune Bluetooth. Verificați RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Interogare RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Niciun răspuns de la RM-3. Verificați dacă este pornit și aproape.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Traductor de presiune</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertizare</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Număr maxim de măsurători atins. Măsurarea nu va fi salvată. Ștergeți măsurători vechi.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Număr de măsurători aproape de limită. Ștergeți măsurători vechi.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Spațiu insuficient în memoria de date. Măsurarea nu a fost salvată. Ștergeți măsurători vechi.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Măsurarea nu a putut fi salvată.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Filtru bandă activ</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtru oprit</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Limită inferioară</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Limită superioară</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Filtru auto</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Fără filtru</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volum căști</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Amplificare microfon</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volum căști</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Mai încet</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Mai tare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Atenție! Volumul ridicat poate
afecta auzul.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Amplificare microfon</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Amplificare intrare cablu</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Amplificare senzor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Reglare filtru</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Amplificare microfon</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volum căști</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Redare înregistrare</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Oprire redare</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Amplificare căști</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minim</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Vârf</translation>
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
        <translation>Pagina anterioară</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Editare măsurare</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtrare măsurători</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Pagina următoare</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Nicio măsurare salvată</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Măsurarea nu a putut fi ștearsă.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Măsurarea nu a putut fi redenumită. Poate o altă măsurare are acest nume.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Editare măsurare</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Dată</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Schimbare nume</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ștergere</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Localizare precisă</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Măsurare nivel</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasare conducte</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Măsurare H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Măsurare pe termen lung</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Ștergeți această măsurare cu înregistrările ei?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Această măsurare nu are înregistrare.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Înregistrarea nu poate fi redată.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notă</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Notă</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Pentru această măsurare trebuie
conectat un senzor acustic.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Această măsurare este deteriorată. Valorile nu pot fi afișate.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertizare</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nicio conexiune Bluetooth. Verificați RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Pentru această măsurare trebuie
conectat un senzor H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scala barelor</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Ștergere ultima poziție</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Reglare filtru</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Amplificare microfon</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volum căști</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Redare înregistrare</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Oprire redare</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Poziția următoare</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Timp de analiză</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Scalare auto</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Reglare filtru</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Amplificare microfon</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volum căști</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Reglare filtru</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Amplificare microfon</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volum căști</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Setare referință</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Scală</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Volum căști</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puncte</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Axa timpului</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Axa presiunii</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analiză</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Următor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu principal</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Fără traductor</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC-ul poate citi acum măsurătorile.
Scoateți unitatea din PC,
apoi apăsați Deconectare.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Conectați KXE500 la PC
și apăsați butonul Conectare.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
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
        <translation>Aceste fișiere de pe PC nu au putut fi executate:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Actualizare firmware</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectare</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Instalat</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Pornire actualizare</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Niciun fișier firmware %1 găsit.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 nu conține versiune (ex. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Copiați fișierele firmware.
Apăsați butonul Deconectare
după copierea tuturor fișierelor.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Conectați KXE500 la PC
și apăsați butonul Conectare.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Actualizare KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Actualizare RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>%1 fișiere firmware găsite; este propus cel mai nou.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Fișierul firmware nu poate fi citit. Încercați din nou.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Actualizare KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Copiere fișiere, așteptați ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Firmware-ul nu a putut fi copiat. Încercați din nou.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Actualizare firmware KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Toate fișierele copiate.
Așteptați repornirea ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Actualizare RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Transmitere firmware, așteptați ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Eroare la actualizarea firmware. Încercați din nou.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware transmis.
Așteptați repornirea RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Actualizare firmware reușită.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Actualizare firmware RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Actualizare firmware încheiată cu succes.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 raportează încă firmware %1.
Încercați din nou.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 raportează firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Eroare la actualizare, încercați din nou.
Niciun răspuns de la dispozitivul Bluetooth.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Actualizare firmware anulată.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Datele nu au putut fi transmise la PC. Încercați din nou.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC-ul încă reține datele. Scoateți unitatea din PC și apăsați din nou Deconectare.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Memoria de măsurători nu a putut fi deschisă. Măsurătorile nu pot fi salvate.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Afișare FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Afișare frecvență</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Afișare bară nivel vârf</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Bară în culoarea frecvenței</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Afișare parametri filtru</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Scalare dinamică</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Afișare grilă</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Afișare histogramă</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Afișare domeniu de lucru</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Pornire cu favoritul</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Pornire cu ultimul filtru</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS pornit la start</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Măsurare nivel</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Localizare precisă</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Măsurare pe termen lung</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Senzor H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasare conducte</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Pornire</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Oră</translation>
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
        <translation>Dată invalidă</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Această dată nu există. Corectați ziua sau luna.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Luminozitate</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>low</source>
        <translation>redusă</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>medie</translation>
    </message>
    <message>
        <source>high</source>
        <translation>ridicată</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Protecția auzului</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activ</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiv</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Reglare volum căști</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Volumul maxim va fi limitat.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Atenție! Risc de șoc acustic.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>niciodată</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Economie energie</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Oprire aparat</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Oprire iluminare</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Setări din fabrică</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Resetare la setările din fabrică.
Toate setările (ex. limba,
dispozitivele Bluetooth asociate) vor fi resetate.
Măsurătorile salvate nu vor fi șterse.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetare</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertizare</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Sigur doriți resetarea tuturor setărilor?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Tastă favorită</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Modul tastei mut</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Comutator</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Buton</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aplicare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Insulele Midway</translation>
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
        <translation>Pacific</translation>
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
        <translation>Newfoundland</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Groenlanda</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Atlanticul central</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azore</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londra</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Cairo</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moscova</translation>
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
        <translation>New Delhi</translation>
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
        <translation>Fiji</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Ora de vară</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Ora de vară</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Ora de iarnă</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Comutare oră de vară / iarnă</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>necunoscut</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informații sistem</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Număr de serie</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Data fabricației</translation>
    </message>
    <message>
        <source>BluetoothIdTx</source>
        <translation>Bluetooth ID Tx</translation>
    </message>
    <message>
        <source>BluetoothIdRx</source>
        <translation>Bluetooth ID Rx</translation>
    </message>
    <message>
        <source>Hardwareversion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Sistem de operare</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterie</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug activat</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Informații GPS</translation>
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
        <translation>Dată</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Oră</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calitate</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Sateliți</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Informații sateliți</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direcție</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Viteză la sol</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altitudine</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Măsurare distanță</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Poziție de referință</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Poziție curentă</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanță</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Schimbare format poziție</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meniu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Afișare poziție</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Afișare date NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Setare poziție de referință</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Oprire monitorizare</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Pornire monitorizare</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Ștergere date</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Căutare</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Activați modul de asociere
și apăsați Căutare ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Căutare</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>necunoscut</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Niciun dispozitiv găsit. Reîncercați.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Selectați dispozitivul de asociat</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Asociere dispozitiv</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Asociere nereușită.
Încercați din nou.</translation>
    </message>
</context>
</TS>
