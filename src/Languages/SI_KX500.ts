<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Točkovno iskanje</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivo</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Upravljanje</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Dolgotrajno</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Iskanje cevi</translation>
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
        <translation>Meritve</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Prenos podatkov</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Posodobitev</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Način tipke utišanja</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Zaščita sluha</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Prilagodi zaslone</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Seznanjene slušalke</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Seznanjen RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Priljubljena tipka</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Svetlost</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Varčevanje energije</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Sistemske informacije</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Tovarniške nastavitve</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
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
        <translation>Časovni pas</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Poletni/zimski čas</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Stikalo</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Tipka</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktivno</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktivno</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Različne nastavitve</translation>
    </message>
    <message>
        <source>low</source>
        <translation>nizka</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>srednja</translation>
    </message>
    <message>
        <source>high</source>
        <translation>visoka</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Poletni čas</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimski čas</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nikoli</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Posnetek zaslona</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Meritev nivoja</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dolgotrajna meritev</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Prejšnja stran</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Naslednja stran</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Točkovno iskanje</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Iskanje cevi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Napaka</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Nastavitev ni bilo mogoče shraniti. Ob izklopu naprave bodo spremembe izgubljene.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Angleščina</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Nemščina</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francoščina</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italijanščina</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španščina</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Kitajščina</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Češčina</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Madžarščina</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruščina</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenščina</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonščina</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poljščina</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalščina</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romunščina</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovaščina</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Švedščina</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finščina</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danščina</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveščina</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bolgarščina</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Hrvaščina</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejščina</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Srbščina</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turščina</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Meni Debug</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcije tega servisnega menija v tej različici niso na voljo.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Ta funkcija v tej različici ni na voljo.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Meni tovarniškega testa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcije tega servisnega menija v tej različici niso na voljo.</translation>
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
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
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
        <translation>Senzorja ni bilo mogoče zaznati.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Napetost baterije RM-3 je prenizka. Napolnite jo.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Vrste senzorja ni bilo mogoče zaznati. Pritrdite senzor ali očistite kontakte.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Baterija je skoraj prazna. Napolnite jo.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Opozorilo</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Vnesite ime</translation>
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
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Presledek</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Sprejmi</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Brez senzorja</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznano</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Programje</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Baterija</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ojačanje</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Senzor</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Način tipke</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Strojna oprema</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Ime BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Naslov BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Preberi znova</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Ni povezave Bluetooth. Preverite RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Poizvedba pri RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>RM-3 se ne odziva. Preverite, ali je vklopljen in v bližini.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Tlačni pretvornik</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Napaka</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Doseženo največje število meritev. Meritev ne bo shranjena. Izbrišite stare meritve.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Število meritev je blizu omejitve. Izbrišite stare meritve.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>V pomnilniku ni dovolj prostora. Meritev ni bila shranjena. Izbrišite stare meritve.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Meritve ni bilo mogoče shraniti.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Pasovni filter vkl.</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filter izkl.</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Spodnja meja</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Zgornja meja</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Samodejni filter</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Brez filtra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ojačanje mikrofona</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Tišje</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Glasneje</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Pozor! Visoka glasnost lahko
poškoduje sluh.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ojačanje mikrofona</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Ojačanje žičnega vhoda</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Ojačanje senzorja</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastavi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Predvajaj posnetek</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Ustavi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Ojačanje slušalk</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Nivo</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Vrh</translation>
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
        <translation>Prejšnja stran</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Uredi meritev</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtriraj meritve</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Naslednja stran</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Ni shranjenih meritev</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Napaka</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Meritve ni bilo mogoče izbrisati.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Meritve ni bilo mogoče preimenovati. To ime ima morda druga meritev.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Uredi meritev</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Spremeni ime</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Točkovno iskanje</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Meritev nivoja</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Iskanje cevi</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Meritev H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Dolgotrajna meritev</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Izbrišem to meritev z njenimi posnetki?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Ta meritev nima posnetka.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Posnetka ni mogoče predvajati.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opomba</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Opomba</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Za to meritev morate priključiti
akustični senzor.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Ta meritev je poškodovana. Njenih vrednosti ni mogoče prikazati.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Ni povezave Bluetooth. Preverite RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Za to meritev morate
priključiti sondo H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Merilo stolpcev</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Izbriši zadnji položaj</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastavi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Predvajaj posnetek</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Ustavi</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Naslednji položaj</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Čas analize</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Samodejno merilo</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastavi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Nastavi filter</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Ojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Nastavi referenco</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Merilo</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnost slušalk</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Točke</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Časovna os</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Tlačna os</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Listaj nazaj</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Listaj naprej</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni meni</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Brez pretvornika</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC lahko zdaj bere meritve.
Izvrzite pogon na PC,
nato pritisnite Prekini.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Povežite KXE500 s PC
in pritisnite Poveži.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Napaka</translation>
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
        <translation>Teh datotek s PC ni bilo mogoče izvesti:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Posodobitev programja</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Nameščena</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Posodobi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Ni datoteke programja %1.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 nima različice (npr. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Kopirajte datoteke programja.
Ko so vse datoteke kopirane,
pritisnite Prekini.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Povežite KXE500 s PC
in pritisnite Poveži.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Posodobi KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Posodobi RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>Najdenih datotek programja: %1; ponujena je najnovejša.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Datoteke programja ni mogoče prebrati. Poskusite znova.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Posodabljanje KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Kopiranje datotek, počakajte ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Programja ni bilo mogoče kopirati. Poskusite znova.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Posodobitev programja KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Vse datoteke kopirane.
Počakajte na ponovni zagon ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Posodabljanje RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Prenos programja, počakajte ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Napaka pri posodobitvi programja. Poskusite znova.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Programje preneseno.
Počakajte na ponovni zagon RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Posodobitev programja uspela.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Posodobitev programja RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Posodobitev programja uspešno končana.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 še vedno javlja različico %1.
Poskusite znova.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 javlja različico %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Napaka pri posodobitvi, poskusite znova.
Naprava Bluetooth se ne odziva.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Posodobitev programja preklicana.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Napaka</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Podatkov ni bilo mogoče predati PC. Poskusite znova.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC še drži podatke. Izvrzite pogon na PC in znova pritisnite Prekini.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Pomnilnika meritev ni bilo mogoče odpreti. Meritev ni mogoče shraniti.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Prikaži FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Prikaži frekvenco</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Prikaži stolpec vrha</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Stolpec v barvi frekvence</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Prikaži parametre filtra</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dinamično merilo</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Prikaži mrežo</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Prikaži histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Prikaži delovno območje</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Zagon s priljubljeno</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Zagon z zadnjim filtrom</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS vkl. ob zagonu</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Meritev nivoja</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Točkovno iskanje</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dolgotrajna meritev</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Iskanje cevi</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Zagon</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Sprejmi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
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
        <translation>Ročno</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Neveljaven datum</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Ta datum ne obstaja. Popravite dan ali mesec.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Svetlost</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Sprejmi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>low</source>
        <translation>nizka</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>srednja</translation>
    </message>
    <message>
        <source>high</source>
        <translation>visoka</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Zaščita sluha</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktivno</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Neaktivno</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Nastavi glasnost slušalk</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Sprejmi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Največja glasnost bo omejena.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Pozor! Nevarnost akustičnega šoka.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>nikoli</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Varčevanje energije</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Izklop</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Osvetlitev izkl.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Sprejmi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Tovarniške nastavitve</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Ponastavitev na tovarniške nastavitve.
Vse nastavitve (npr. jezik,
seznanjene naprave Bluetooth) bodo ponastavljene.
Shranjene meritve ne bodo izbrisane.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ponastavi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Opozorilo</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Res želite ponastaviti vse nastavitve?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Priljubljena tipka</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Sprejmi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Način tipke utišanja</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Stikalo</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Tipka</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Sprejmi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Otoki Midway</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Havaji</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Aljaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacifik</translation>
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
        <translation>Nova Fundlandija</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Grenlandija</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Srednji Atlantik</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azori</translation>
    </message>
    <message>
        <source>London</source>
        <translation>London</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Kairo</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moskva</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Teheran</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu Dabi</translation>
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
        <translation>Katmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novosibirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Jangon</translation>
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
        <translation>Poletni čas</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Poletni čas</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimski čas</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Preklopi poletni / zimski čas</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>neznano</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Sistemske informacije</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Programje</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Serijska številka</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Datum izdelave</translation>
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
        <translation>Strojna oprema</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Operacijski sistem</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterija</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug omogočen</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Informacije GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Zem. širina</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Zem. dolžina</translation>
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
        <translation>Kakovost</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Sateliti</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Informacije o satelitih</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Smer</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Hitrost</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Višina</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Merjenje razdalje</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Referenčni položaj</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Trenutni položaj</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Razdalja</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Preklopi zapis položaja</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Meni</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Prikaži položaj</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Prikaži podatke NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Nastavi referenčni položaj</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Ustavi spremljanje</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Zaženi spremljanje</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Izbriši podatke</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Iskanje</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Vklopite način seznanjanja
in pritisnite Iskanje ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Iskanje</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>neznano</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Ni najdenih naprav. Poskusite znova.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Izberite napravo za seznanjanje</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Seznanjanje naprave</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Seznanjanje ni uspelo.
Poskusite znova.</translation>
    </message>
</context>
</TS>
