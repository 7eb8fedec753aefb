<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Dohledání úniku</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Hladina</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Správa</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Dlouhodobé</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasování potrubí</translation>
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
        <translation>Měření</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Přenos dat</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Režim tl. ztlumení</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Ochrana sluchu</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Úprava obrazovek</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Spárovaná sluchátka</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Spárované RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Oblíbené tlačítko</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Úspora energie</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Informace o systému</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Tovární nastavení</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Časové pásmo</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Letní/zimní čas</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Přepínač</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Tlačítko</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktivní</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktivní</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Různá nastavení</translation>
    </message>
    <message>
        <source>low</source>
        <translation>nízký</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>střední</translation>
    </message>
    <message>
        <source>high</source>
        <translation>vysoký</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Letní čas</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimní čas</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nikdy</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlín</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Snímek obrazovky</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Měření hladiny</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dlouhodobé měření</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Předchozí strana</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Další strana</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Dohledání úniku</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasování potrubí</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Nastavení nelze uložit. Po vypnutí přístroje budou změny ztraceny.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Angličtina</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Němčina</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francouzština</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italština</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španělština</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Čínština</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Maďarština</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruština</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovinština</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonština</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polština</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalština</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunština</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovenština</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Švédština</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finština</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dánština</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norština</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulharština</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Chorvatština</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejština</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Srbština</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turečtina</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Menu Debug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkce tohoto servisního menu nejsou v této verzi k dispozici.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Tato funkce není v této verzi k dispozici.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Menu továrního testu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkce tohoto servisního menu nejsou v této verzi k dispozici.</translation>
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
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Snímač nebyl rozpoznán.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Napětí baterie RM-3 je příliš nízké. Nabijte ji.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Typ snímače nebyl rozpoznán. Upevněte snímač nebo očistěte kontakty.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Baterie je téměř vybitá. Nabijte ji.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Zadejte název</translation>
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
        <translation>Smazat</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Mezera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Převzít</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Bez snímače</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámý</translation>
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
        <translation>Zesílení</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Snímač</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Režim tlačítka</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Název BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Adresa BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Načíst znovu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Žádné spojení Bluetooth. Zkontrolujte RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Dotaz na RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>RM-3 neodpovídá. Zkontrolujte, zda je zapnuté a nablízku.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Snímač tlaku</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Dosažen max. počet měření. Měření nebude uloženo. Smažte stará měření.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Počet měření se blíží limitu. Smažte stará měření.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>V datové paměti není dost místa. Měření nebylo uloženo. Smažte stará měření.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Měření nelze uložit.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Pásmový filtr zap.</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtr vyp.</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Dolní mez</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Horní mez</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Auto filtr</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Bez filtru</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zesílení mikrofonu</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Tišeji</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Hlasitěji</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Pozor! Vysoká hlasitost může
poškodit sluch.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zesílení mikrofonu</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Zesílení kabelového vstupu</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Zesílení snímače</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastavit filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zesílení mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Přehrát záznam</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Zesílení sluchátek</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Hladina</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Špička</translation>
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
        <translation>Předchozí strana</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Upravit měření</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtrovat měření</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Další strana</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Žádná uložená měření</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Měření nelze smazat.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Měření nelze přejmenovat. Tento název možná má jiné měření.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Upravit měření</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Změnit název</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Dohledání úniku</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Měření hladiny</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasování potrubí</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Měření H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Dlouhodobé měření</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Smazat toto měření i se záznamy?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Toto měření nemá žádný záznam.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Záznam nelze přehrát.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Pro toto měření je nutné připojit
akustický snímač.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Toto měření je poškozené. Jeho hodnoty nelze zobrazit.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Žádné spojení Bluetooth. Zkontrolujte RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Pro toto měření je nutné
připojit sondu H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Měřítko sloupců</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Smazat poslední pozici</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastavit filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zesílení mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Přehrát záznam</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Další pozice</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Doba analýzy</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Auto měřítko</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastavit filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zesílení mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastavit filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zesílení mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Nastavit referenci</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Měřítko</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitost sluchátek</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Body</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Časová osa</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Osa tlaku</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analýza</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Předchozí</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavní menu</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Bez snímače</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC nyní může číst měření.
Vysuňte jednotku v PC,
poté stiskněte Odpojit.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Připojte KXE500 k PC
a stiskněte Připojit.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
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
        <translation>Tyto soubory z PC nebylo možné provést:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Instalovaný</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Soubor firmwaru %1 nenalezen.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 nemá verzi (např. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Zkopírujte soubory firmwaru.
Po zkopírování všech souborů
stiskněte Odpojit.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Připojte KXE500 k PC
a stiskněte Připojit.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Aktualizovat KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Aktualizovat RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>Nalezeno souborů firmwaru: %1; nabízí se nejnovější.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Soubor firmwaru nelze načíst. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Aktualizace KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Kopírování souborů, čekejte ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Firmware nelze zkopírovat. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Aktualizace firmwaru KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Všechny soubory zkopírovány.
Čekejte na restart ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Aktualizace RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Přenos firmwaru, čekejte ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Chyba při aktualizaci firmwaru. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware přenesen.
Čekejte na restart RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Aktualizace firmwaru úspěšná.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Aktualizace firmwaru RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Aktualizace firmwaru úspěšně dokončena.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 stále hlásí firmware %1.
Zkuste to znovu.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 hlásí firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Chyba při aktualizaci, zkuste to znovu.
Zařízení Bluetooth neodpovídá.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Aktualizace firmwaru zrušena.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Data nelze předat do PC. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC stále drží data. Vysuňte jednotku v PC a znovu stiskněte Odpojit.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Paměť měření nelze otevřít. Měření nelze ukládat.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Zobrazit FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Zobrazit frekvenci</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Zobrazit sloupec špičky</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Sloupec v barvě frekvence</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Zobrazit parametry filtru</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dynamické měřítko</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Zobrazit mřížku</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Zobrazit histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Zobrazit pracovní rozsah</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Start s oblíbenou funkcí</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Start s posledním filtrem</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS zap. při startu</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Měření hladiny</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Dohledání úniku</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dlouhodobé měření</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasování potrubí</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Spuštění</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Převzít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručně</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Neplatné datum</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Toto datum neexistuje. Opravte den nebo měsíc.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Jas</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Převzít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>low</source>
        <translation>nízký</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>střední</translation>
    </message>
    <message>
        <source>high</source>
        <translation>vysoký</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Ochrana sluchu</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktivní</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktivní</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Nastavit hlasitost sluchátek</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Převzít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Maximální hlasitost bude omezena.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Pozor! Nebezpečí akustického šoku.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>nikdy</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Úspora energie</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Vypnutí</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Podsvícení vyp.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Převzít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Tovární nastavení</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Obnovení továrního nastavení.
Všechna nastavení (např. jazyk,
spárovaná zařízení Bluetooth) budou obnovena.
Uložená měření nebudou smazána.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Opravdu obnovit všechna nastavení?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Oblíbené tlačítko</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Převzít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Režim tlačítka ztlumení</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Přepínač</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Tlačítko</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Převzít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Midwayské ostrovy</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Havaj</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Aljaška</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Tichomoří</translation>
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
        <translation>Grónsko</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Střední Atlantik</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azory</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londýn</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlín</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Káhira</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moskva</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Teherán</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abú Dhabí</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kábul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islámábád</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Nové Dillí</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Káthmándú</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Rangún</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Bangkok</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Hongkong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Tokio</translation>
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
        <translation>Fidži</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Letní čas</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Letní čas</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimní čas</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Přepnout letní / zimní čas</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>neznámý</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informace o systému</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Datum výroby</translation>
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
        <translation>Operační systém</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterie</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug zapnut</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Informace GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Zem. šířka</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Zem. délka</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvalita</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Informace o satelitech</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Směr</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Měření vzdálenosti</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Referenční pozice</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Aktuální pozice</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Vzdálenost</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Přepnout zápis pozice</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Zobrazit pozici</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Zobrazit data NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Nastavit referenční pozici</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Zastavit sledování</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Spustit sledování</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Smazat data</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Zapněte režim párování
a stiskněte Hledat ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Hledání</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámý</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Nic nenalezeno. Zkuste znovu.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Vyberte zařízení k párování</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Párování zařízení</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Párování se nezdařilo.
Zkuste to znovu.</translation>
    </message>
</context>
</TS>
