<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Dohľadanie úniku</translation>
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
        <translation>Dlhodobé</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasovanie</translation>
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
        <translation>Merania</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Prenos dát</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizácia</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Režim tl. stlmenia</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Ochrana sluchu</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Úprava obrazoviek</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Spárované slúchadlá</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Spárované RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Obľúbené tlačidlo</translation>
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
        <translation>Informácie o systéme</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Výrobné nastavenia</translation>
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
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Časové pásmo</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Letný/zimný čas</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Prepínač</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Tlačidlo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktívne</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktívne</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Rôzne nastavenia</translation>
    </message>
    <message>
        <source>low</source>
        <translation>nízky</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>stredný</translation>
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
        <translation>Letný čas</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimný čas</translation>
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
        <translation>Snímka obrazovky</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Meranie hladiny</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dlhodobé meranie</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Predošlá strana</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Ďalšia strana</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Dohľadanie úniku</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasovanie potrubia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Nastavenia sa nepodarilo uložiť. Po vypnutí prístroja sa zmeny stratia.</translation>
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
        <translation>Nemčina</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francúzština</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Taliančina</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španielčina</translation>
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
        <translation>Maďarčina</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruština</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovinčina</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japončina</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poľština</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalčina</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunčina</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovenčina</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Švédčina</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Fínčina</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dánčina</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Nórčina</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bulharčina</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Chorvátčina</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Kórejčina</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Srbčina</translation>
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
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcie tohto servisného menu nie sú v tejto verzii k dispozícii.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Táto funkcia nie je v tejto verzii k dispozícii.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Menu továrenského testu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcie tohto servisného menu nie sú v tejto verzii k dispozícii.</translation>
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
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Snímač nebol rozpoznaný.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Napätie batérie RM-3 je príliš nízke. Nabite ju.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Typ snímača nebol rozpoznaný. Upevnite snímač alebo očistite kontakty.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Batéria je takmer vybitá. Nabite ju.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varovanie</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Zadajte názov</translation>
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
        <translation>Zmazať</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Medzera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Prevziať</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Bez snímača</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámy</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Firmvér</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Batéria</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Zosilnenie</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Snímač</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Režim tlačidla</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardvér</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Názov BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Adresa BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Načítať znova</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Žiadne spojenie Bluetooth. Skontrolujte RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Dopyt na RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>RM-3 neodpovedá. Skontrolujte, či je zapnuté a nablízku.</translation>
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
        <translation>Varovanie</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Dosiahnutý max. počet meraní. Meranie sa neuloží. Zmažte staré merania.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Počet meraní sa blíži limitu. Zmažte staré merania.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>V dátovej pamäti nie je dosť miesta. Meranie sa neuložilo. Zmažte staré merania.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Meranie sa nepodarilo uložiť.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Pásmový filter zap.</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filter vyp.</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Dolná hranica</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Horná hranica</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Autom. filter</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Bez filtra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zosilnenie mikrofónu</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Tichšie</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Hlasnejšie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Pozor! Vysoká hlasitosť môže
poškodiť sluch.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zosilnenie mikrofónu</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Zosilnenie káblového vstupu</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Zosilnenie snímača</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastaviť filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zosilnenie mikrofónu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Prehrať záznam</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zastaviť</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Zosilnenie slúchadiel</translation>
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
        <translation>Predošlá strana</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Upraviť meranie</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtrovať merania</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Ďalšia strana</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Žiadne uložené merania</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Meranie sa nepodarilo zmazať.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Meranie sa nepodarilo premenovať. Tento názov môže mať iné meranie.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Upraviť meranie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Zmeniť názov</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Zmazať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Dohľadanie úniku</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Meranie hladiny</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasovanie potrubia</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Meranie H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Dlhodobé meranie</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Zmazať toto meranie aj so záznamami?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Toto meranie nemá žiadny záznam.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Záznam sa nedá prehrať.</translation>
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
        <translation>Na toto meranie treba pripojiť
akustický snímač.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Toto meranie je poškodené. Jeho hodnoty nemožno zobraziť.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varovanie</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Žiadne spojenie Bluetooth. Skontrolujte RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Na toto meranie treba
pripojiť sondu H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Mierka stĺpcov</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Zmazať poslednú pozíciu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastaviť filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zosilnenie mikrofónu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Prehrať záznam</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zastaviť</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Ďalšia pozícia</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Čas analýzy</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Auto mierka</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastaviť filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zosilnenie mikrofónu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastaviť filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Zosilnenie mikrofónu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Nastaviť referenciu</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Mierka</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
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
        <translation>Časová os</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Os tlaku</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analýza</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Predošlé</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Ďalšie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Hlavné menu</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Bez snímača</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Pripojiť</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojiť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC teraz môže čítať merania.
Vysuňte jednotku v PC,
potom stlačte Odpojiť.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Pripojte KXE500 k PC
a stlačte Pripojiť.</translation>
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
        <translation>Tieto súbory z PC sa nepodarilo vykonať:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Aktualizácia firmvéru</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Pripojiť</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odpojiť</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Inštalovaný</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Aktualizovať</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavrieť</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Súbor firmvéru %1 sa nenašiel.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 nemá verziu (napr. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Skopírujte súbory firmvéru.
Po skopírovaní všetkých súborov
stlačte Odpojiť.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Pripojte KXE500 k PC
a stlačte Pripojiť.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Aktualizovať KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Aktualizovať RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>Nájdené súbory firmvéru: %1; ponúka sa najnovší.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Súbor firmvéru sa nedá načítať. Skúste to znova.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Aktualizácia KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Kopírujú sa súbory, čakajte ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Firmvér sa nepodarilo skopírovať. Skúste to znova.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Aktualizácia firmvéru KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Všetky súbory skopírované.
Čakajte na reštart ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Aktualizácia RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Prenos firmvéru, čakajte ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Chyba pri aktualizácii firmvéru. Skúste to znova.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmvér prenesený.
Čakajte na reštart RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Aktualizácia firmvéru úspešná.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Aktualizácia firmvéru RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Aktualizácia firmvéru úspešne dokončená.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 stále hlási firmvér %1.
Skúste to znova.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 hlási firmvér %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Chyba pri aktualizácii, skúste to znova.
Zariadenie Bluetooth neodpovedá.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Aktualizácia firmvéru zrušená.</translation>
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
        <translation>Dáta sa nepodarilo odovzdať do PC. Skúste to znova.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC stále drží dáta. Vysuňte jednotku v PC a znova stlačte Odpojiť.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Pamäť meraní sa nedá otvoriť. Merania nemožno ukladať.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Zobraziť FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Zobraziť frekvenciu</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Zobraziť stĺpec špičky</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Stĺpec vo farbe frekvencie</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Zobraziť parametre filtra</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dynamická mierka</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Zobraziť mriežku</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Zobraziť histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Zobraziť pracovný rozsah</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Štart s obľúbenou funkciou</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Štart s posledným filtrom</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS zap. pri štarte</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Meranie hladiny</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Dohľadanie úniku</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dlhodobé meranie</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasovanie potrubia</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Spustenie</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Prevziať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
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
        <translation>Ručne</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Neplatný dátum</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Tento dátum neexistuje. Opravte deň alebo mesiac.</translation>
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
        <translation>Prevziať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>low</source>
        <translation>nízky</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>stredný</translation>
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
        <translation>Aktívne</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktívne</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Nastaviť hlasitosť slúchadiel</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Prevziať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Maximálna hlasitosť bude obmedzená.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Pozor! Nebezpečenstvo akustického šoku.</translation>
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
        <translation>Vypnutie</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Podsvietenie vyp.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Prevziať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Výrobné nastavenia</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Obnovenie výrobných nastavení.
Všetky nastavenia (napr. jazyk,
spárované zariadenia Bluetooth) sa obnovia.
Uložené merania sa nezmažú.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varovanie</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Naozaj obnoviť všetky nastavenia?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Obľúbené tlačidlo</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Prevziať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Režim tlačidla stlmenia</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Prepínač</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Tlačidlo</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Prevziať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
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
        <translation>Tichomorie</translation>
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
        <translation>Stredný Atlantik</translation>
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
        <translation>Abú Zabí</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kábul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Islamabad</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Naí Dillí</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Káthmandu</translation>
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
        <translation>Letný čas</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Letný čas</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimný čas</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Prepnúť letný / zimný čas</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>neznámy</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informácie o systéme</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmvér</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Sériové číslo</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Dátum výroby</translation>
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
        <translation>Hardvér</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Operačný systém</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batéria</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug zapnutý</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Informácie GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Zem. šírka</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Zem. dĺžka</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
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
        <translation>Informácie o satelitoch</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Smer</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Rýchlosť</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Meranie vzdialenosti</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Referenčná pozícia</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Aktuálna pozícia</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Vzdialenosť</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Prepnúť zápis pozície</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Zobraziť pozíciu</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Zobraziť dáta NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Nastaviť referenčnú pozíciu</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Zastaviť sledovanie</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Spustiť sledovanie</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Zmazať dáta</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Hľadať</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Zapnite režim párovania
a stlačte Hľadať ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Hľadanie</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznámy</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Nič sa nenašlo. Skúste znova.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Vyberte zariadenie na párovanie</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Párovanie zariadenia</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Párovanie sa nepodarilo.
Skúste to znova.</translation>
    </message>
</context>
</TS>
