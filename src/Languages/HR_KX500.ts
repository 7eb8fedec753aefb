<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Točno lociranje</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2 senzor</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Razina</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Upravljanje</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Dugotrajno</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Lociranje cijevi</translation>
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
        <translation>Mjerenja</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Prijenos podataka</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ažuriranje</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Tipka utišavanja</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Zaštita sluha</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Prilagodba prikaza</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Uparene slušalice</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Upareni RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Tipka favorita</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Svjetlina</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Štednja energije</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Informacije o sustavu</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Tvorničke postavke</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Vrijeme</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Vremenska zona</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Ljetno/zimsko vrijeme</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Prekidač</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Tipkalo</translation>
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
        <translation>Različite postavke</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niska</translation>
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
        <translation>Ljetno vrijeme</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimsko vrijeme</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nikad</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Snimka zaslona</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Mjerenje razine</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dugotrajno mjerenje</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 senzor</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Prethodna stranica</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Sljedeća stranica</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Točno lociranje</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Lociranje cijevi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Pogreška</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Postavke nije moguće spremiti. Promjene će se izgubiti pri isključivanju uređaja.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Engleski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Njemački</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Talijanski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španjolski</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Kineski</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Češki</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Mađarski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruski</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Slovenski</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poljski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumunjski</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Slovački</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Švedski</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finski</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danski</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveški</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bugarski</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Hrvatski</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejski</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Srpski</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turski</translation>
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
        <translation>Debug izbornik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcije ovog servisnog izbornika nisu dostupne u ovoj verziji.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Ova funkcija nije dostupna u ovoj verziji.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Tvornički test</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcije ovog servisnog izbornika nisu dostupne u ovoj verziji.</translation>
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
        <translation>Odustani</translation>
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
        <translation>Senzor nije moguće prepoznati.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Napon baterije RM-3 je prenizak. Napunite bateriju.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Vrsta senzora nije prepoznata. Učvrstite senzor ili očistite kontakte.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Baterija je gotovo prazna. Napunite je.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Unesite naziv</translation>
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
        <translation>Briši</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Razmak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primijeni</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Nema senzora</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nepoznato</translation>
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
        <translation>Baterija</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Pojačanje</translation>
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
        <translation>Hardver</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>BT naziv</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>BT adresa</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Ponovno čitaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nema Bluetooth veze. Provjerite RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Upit prema RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Nema odgovora od RM-3. Provjerite je li uključen i u blizini.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Pretvornik tlaka</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Pogreška</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Dosegnut je najveći broj mjerenja. Mjerenje se neće spremiti. Izbrišite stara mjerenja.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Broj mjerenja blizu je granice. Izbrišite stara mjerenja.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Nema dovoljno mjesta u memoriji podataka. Mjerenje nije spremljeno. Izbrišite stara mjerenja.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Mjerenje nije moguće spremiti.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Pojasni filtar uklj.</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtar isklj.</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Donja granica</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Gornja granica</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Auto filtar</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Bez filtra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnoća slušalica</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnoća slušalica</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Tiše</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Glasnije</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Upozorenje! Velika glasnoća može
oštetiti sluh.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Pojačanje žičanog ulaza</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Pojačanje senzora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Podesi filtar</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnoća slušalica</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Reproduciraj snimku</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zaustavi reprodukciju</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Pojačanje slušalica</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Razina</translation>
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
        <translation>Prethodna stranica</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Uredi mjerenje</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtriraj mjerenja</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Sljedeća stranica</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Nema spremljenih mjerenja</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Pogreška</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Mjerenje nije moguće izbrisati.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Mjerenje nije moguće preimenovati. Možda drugo mjerenje ima isti naziv.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Uredi mjerenje</translation>
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
        <translation>Naziv</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Promijeni naziv</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Točno lociranje</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Mjerenje razine</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Lociranje cijevi</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>H2 mjerenje</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Dugotrajno mjerenje</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Izbrisati ovo mjerenje zajedno sa snimkama?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Ovo mjerenje nema snimku.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Snimku nije moguće reproducirati.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Napomena</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Napomena</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Za ovo mjerenje potrebno je
priključiti akustični senzor.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Ovo mjerenje je oštećeno. Vrijednosti se ne mogu prikazati.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nema Bluetooth veze. Provjerite RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Za ovo mjerenje potrebno je
priključiti H2 senzor.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala stupaca</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Izbriši zadnju poziciju</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Podesi filtar</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnoća slušalica</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Reproduciraj snimku</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zaustavi reprodukciju</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Sljedeća pozicija</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Vrijeme analize</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Auto skala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Podesi filtar</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnoća slušalica</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Podesi filtar</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Pojačanje mikrofona</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnoća slušalica</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Postavi referencu</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Glasnoća slušalica</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
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
        <translation>Vremenska os</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Os tlaka</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Prethodno</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sljedeće</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Spremi</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Glavni izbornik</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Nema pretvornika</translation>
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
        <translation>Odspoji</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC sada može čitati mjerenja.
Izbacite pogon na PC-u,
zatim pritisnite Odspoji.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Povežite KXE500 s PC-om
i pritisnite tipku Poveži.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Pogreška</translation>
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
        <translation>Ove datoteke s PC-a nije bilo moguće izvršiti:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Ažuriranje firmwarea</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Poveži</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Odspoji</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Instalirano</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Pokreni ažuriranje</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Datoteka firmwarea %1 nije pronađena.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 nema oznaku verzije (npr. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Kopirajte datoteke firmwarea.
Kad su sve datoteke kopirane,
pritisnite tipku Odspoji.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Povežite KXE500 s PC-om
i pritisnite tipku Poveži.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Ažuriraj KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Ažuriraj RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>Pronađeno %1 datoteka firmwarea; nudi se najnovija.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Datoteku firmwarea nije moguće pročitati. Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Ažuriranje KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Kopiranje datoteka, pričekajte ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Firmware nije moguće kopirati. Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Ažuriranje firmwarea KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Sve datoteke kopirane.
Pričekajte ponovno pokretanje ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Ažuriranje RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Prijenos firmwarea, pričekajte ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Pogreška pri ažuriranju firmwarea. Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware prenesen.
Pričekajte ponovno pokretanje RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Ažuriranje firmwarea uspješno.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Ažuriranje firmwarea RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Ažuriranje firmwarea uspješno završeno.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 i dalje javlja firmware %1.
Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 javlja firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Pogreška pri ažuriranju, pokušajte ponovno.
Nema odgovora od Bluetooth uređaja.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Ažuriranje firmwarea prekinuto.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Pogreška</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Podatke nije moguće predati PC-u. Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC još drži podatke. Izbacite pogon na PC-u i ponovno pritisnite Odspoji.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Memoriju mjerenja nije moguće otvoriti. Mjerenja se ne mogu spremiti.</translation>
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
        <translation>Prikaži frekvenciju</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Prikaži stupac vršne razine</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Stupac u boji frekvencije</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Prikaži parametre filtra</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dinamičko skaliranje</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Prikaži mrežu</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Prikaži histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Prikaži radno područje</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Pokreni s favoritom</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Pokreni sa zadnjim filtrom</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS uklj. pri startu</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Mjerenje razine</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Točno lociranje</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Dugotrajno mjerenje</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2 senzor</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Lociranje cijevi</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Pokretanje</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Vrijeme</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ručno</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Neispravan datum</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Ovaj datum ne postoji. Ispravite dan ili mjesec.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Svjetlina</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niska</translation>
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
        <translation>Zaštita sluha</translation>
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
        <translation>Podesi glasnoću slušalica</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Najveća glasnoća bit će ograničena.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Upozorenje! Opasnost od akustičnog šoka.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>nikad</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Štednja energije</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Isključivanje</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Gašenje zaslona</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Tvorničke postavke</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Vraćanje na tvorničke postavke.
Sve postavke (npr. jezik, upareni
Bluetooth uređaji) bit će vraćene.
Spremljena mjerenja neće se izbrisati.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetiraj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Želite li doista vratiti sve postavke?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Tipka favorita</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Način tipke utišavanja</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Prekidač</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Tipkalo</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Primijeni</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Otoci Midway</translation>
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
        <translation>Newfoundland</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Grenland</translation>
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
        <translation>Katmandu</translation>
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
        <translation>Ljetno vrijeme</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Ljetno vrijeme</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Zimsko vrijeme</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Prebaci ljetno / zimsko vrijeme</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>nepoznato</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informacije o sustavu</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Serijski broj</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Datum proizvodnje</translation>
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
        <translation>Hardver</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Operacijski sustav</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterija</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug uključen</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>GPS informacije</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Širina</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Dužina</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Vrijeme</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kvaliteta</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Sateliti</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Informacije o satelitima</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Smjer</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Brzina</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Visina</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Mjerenje udaljenosti</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Referentna pozicija</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Trenutna pozicija</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Udaljenost</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Promijeni zapis pozicije</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Izbornik</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Prikaži poziciju</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Prikaži NMEA podatke</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Postavi referentnu poziciju</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Zaustavi praćenje</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Pokreni praćenje</translation>
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
        <translation>Traži</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Uključite način uparivanja
i pritisnite Traži ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Traženje</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nepoznato</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Nema uređaja. Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Odaberite uređaj za uparivanje</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Uparivanje uređaja</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Uparivanje nije uspjelo.
Pokušajte ponovno.</translation>
    </message>
</context>
</TS>
