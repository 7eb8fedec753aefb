<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Pontosítás</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>H2-érzékelő</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Szint</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Kezelés</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Hosszú távú</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Csőkeresés</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teszt</translation>
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
        <translation>Mérések</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Adatátvitel</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Némítógomb módja</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Hallásvédelem</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Nézetek beállítása</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Párosított fejhallgató</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Párosított RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Kedvenc gomb</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Fényerő</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Takarékos mód</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Rendszerinformáció</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Gyári visszaállítás</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Időzóna</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Nyári időszámítás</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Kapcsoló</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Nyomógomb</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktív</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktív</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Eltérő beállítások</translation>
    </message>
    <message>
        <source>low</source>
        <translation>alacsony</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>közepes</translation>
    </message>
    <message>
        <source>high</source>
        <translation>magas</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Nyári idő</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Téli idő</translation>
    </message>
    <message>
        <source>never</source>
        <translation>soha</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Képernyőkép</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Szintmérés</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Hosszú távú mérés</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2-érzékelő</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Előző oldal</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Következő oldal</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Pontosítás</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Csőkeresés</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>A beállítások nem menthetők. A változtatások kikapcsoláskor elvesznek.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Angol</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Német</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Olasz</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanyol</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Kínai</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Cseh</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Magyar</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Orosz</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Szlovén</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japán</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lengyel</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugál</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Román</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Szlovák</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svéd</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Finn</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dán</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvég</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bolgár</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Horvát</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreai</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Szerb</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Török</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Debug menü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>A szervizmenü funkciói ebben a verzióban nem érhetők el.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Ez a funkció ebben a verzióban nem érhető el.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Gyári tesztmenü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>A szervizmenü funkciói ebben a verzióban nem érhetők el.</translation>
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
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Az érzékelő nem észlelhető.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Az RM-3 akkufeszültsége túl alacsony. Töltse fel.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Az érzékelő típusa nem ismerhető fel. Rögzítse az érzékelőt vagy tisztítsa az érintkezőket.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Az akku majdnem lemerült. Töltse fel.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelem</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Név megadása</translation>
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
        <translation>Törlés</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Szóköz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Alkalmaz</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Nincs érzékelő</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ismeretlen</translation>
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
        <translation>Akku</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Erősítés</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Érzékelő</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Gombmód</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardver</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>BT név</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>BT cím</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Újraolvasás</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nincs Bluetooth-kapcsolat. Ellenőrizze az RM-3-at.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>RM-3 lekérdezése ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Nincs válasz az RM-3-tól. Be van kapcsolva és közel van?</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Nyomástávadó</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelem</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Elérte a mérések max. számát. A mérés nem lesz mentve. Töröljön régi méréseket.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>A mérések száma közel a határhoz. Töröljön régi méréseket.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Nincs elég hely az adattárolón. A mérés nem lett mentve. Töröljön régi méréseket.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>A mérés nem menthető.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Sávszűrő be</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Szűrő ki</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Alsó határ</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Felső határ</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Autom. szűrő</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Nincs szűrő</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Fejhallgató-hangerő</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonerősítés</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Fejhallgató-hangerő</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Halkabb</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Hangosabb</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Figyelem! A nagy hangerő
halláskárosodást okozhat.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonerősítés</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Vezetékes bemenet erősítése</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Érzékelő erősítése</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Szűrő beállítása</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonerősítés</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Fejhallgató-hangerő</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Felvétel lejátszása</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Lejátszás leállítása</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Fejhallgató-erősítés</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Szint</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Csúcs</translation>
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
        <translation>Előző oldal</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Mérés szerkesztése</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Mérések szűrése</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Következő oldal</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Nincs mentett mérés</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>A mérés nem törölhető.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>A mérés nem nevezhető át. Lehet, hogy egy másik mérés viseli ezt a nevet.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Mérés szerkesztése</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Név módosítása</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Pontosítás</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Szintmérés</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Csőkeresés</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>H2-mérés</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Hosszú távú mérés</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Törli ezt a mérést a felvételeivel együtt?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Ehhez a méréshez nincs felvétel.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>A felvétel nem játszható le.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Megjegyzés</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Megjegyzés</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Ehhez a méréshez akusztikus
érzékelőt kell csatlakoztatni.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Ez a mérés sérült. Értékei nem jeleníthetők meg.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelem</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Nincs Bluetooth-kapcsolat. Ellenőrizze az RM-3-at.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Ehhez a méréshez H2-érzékelőt
kell csatlakoztatni.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Oszlopok skálázása</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Utolsó pozíció törlése</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Szűrő beállítása</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonerősítés</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Fejhallgató-hangerő</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Felvétel lejátszása</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Lejátszás leállítása</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Következő pozíció</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Elemzési idő</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Autom. skála</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Szűrő beállítása</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonerősítés</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Fejhallgató-hangerő</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Szűrő beállítása</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Mikrofonerősítés</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Fejhallgató-hangerő</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Ref. beállítása</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skála</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Fejhallgató-hangerő</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontok</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Időtengely</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Nyomástengely</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Elemzés</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Előző</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Következő</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Főmenü</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Nincs távadó</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>A PC most olvashatja a méréseket.
Adja ki a meghajtót a PC-n,
majd nyomja meg: Leválasztás.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Csatlakoztassa a KXE500-at a PC-hez,
és nyomja meg: Csatlakozás.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
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
        <translation>A PC-ről érkezett alábbi fájlok nem hajthatók végre:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Firmware-frissítés</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Telepített</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Frissítés indítása</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Nem található %1 firmware-fájl.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 nem tartalmaz verziót (pl. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Másolja át a firmware-fájlokat.
Ha minden fájl átmásolva,
nyomja meg: Leválasztás.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Csatlakoztassa a KXE500-at a PC-hez,
és nyomja meg: Csatlakozás.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>KXE500 frissítése</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>RM-3 frissítése</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>%1 firmware-fájl található; a legújabb van kiválasztva.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>A firmware-fájl nem olvasható. Próbálja újra.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>KXE500 frissítése</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Fájlok másolása, kérem várjon ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>A firmware nem másolható. Próbálja újra.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Firmware-frissítés KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Minden fájl átmásolva.
Várjon az újraindulásra ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>RM-3 frissítése</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Firmware átvitele, kérem várjon ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Hiba a firmware-frissítés során. Próbálja újra.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware átvive.
Várjon, amíg az RM-3 újraindul ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Sikeres firmware-frissítés.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Firmware-frissítés RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>A firmware-frissítés sikeresen befejeződött.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>Az RM-3 még mindig %1 firmware-t jelez.
Próbálja újra.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>Az RM-3 firmware-e: %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Hiba a frissítés során, próbálja újra.
Nincs válasz a Bluetooth-eszköztől.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Firmware-frissítés megszakítva.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Az adatok nem adhatók át a PC-nek. Próbálja újra.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>A PC még használja az adatokat. Adja ki a meghajtót a PC-n, és nyomja meg újra: Leválasztás.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>A mérési adattároló nem nyitható meg. Mérések nem menthetők.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>FFT kijelzése</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Frekvencia kijelzése</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Csúcsszint-sáv kijelzése</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Sáv frekvenciaszínnel</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Szűrőparaméterek kijelzése</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Dinamikus skálázás</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Rács kijelzése</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Hisztogram kijelzése</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Munkatartomány kijelzése</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Indítás a kedvenccel</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Indítás az utolsó szűrővel</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS be indításkor</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Szintmérés</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Pontosítás</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Hosszú távú mérés</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>H2-érzékelő</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Csőkeresés</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Kézi</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Érvénytelen dátum</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Ez a dátum nem létezik. Javítsa a napot vagy a hónapot.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Fényerő</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>low</source>
        <translation>alacsony</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>közepes</translation>
    </message>
    <message>
        <source>high</source>
        <translation>magas</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Hallásvédelem</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktív</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktív</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Fejhallgató-hangerő beállítása</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>A maximális hangerő korlátozva lesz.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Figyelem! Akusztikus sokk veszélye.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>soha</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Takarékos mód</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Kikapcsolás</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Háttérvilágítás ki</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Gyári visszaállítás</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Visszaállítás gyári állapotra.
Minden beállítás (pl. nyelv, párosított
Bluetooth-eszközök) visszaáll.
A mentett mérések megmaradnak.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelem</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Biztosan visszaállít minden beállítást?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Kedvenc gomb</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Némítógomb módja</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Kapcsoló</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Nyomógomb</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Midway-szigetek</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaszka</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Csendes-óceáni</translation>
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
        <translation>Új-Fundland</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Grönland</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Közép-atlanti</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azori-szigetek</translation>
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
        <translation>Kairó</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moszkva</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Teherán</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu-Dzabi</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Kabul</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Iszlámábád</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Újdelhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Katmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Novoszibirszk</translation>
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
        <translation>Hongkong</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Tokió</translation>
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
        <translation>Fidzsi</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Nyári idő</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Nyári idő</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Téli idő</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Nyári/téli idő váltása</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>ismeretlen</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Rendszer-
információ</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Sorozatszám</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Gyártási dátum</translation>
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
        <translation>Operációs rendszer</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug aktív</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>GPS-információ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szélesség</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Hosszúság</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Idő</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Minőség</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Műholdak</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Műholdinformáció</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Irány</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Sebesség</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Magasság</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Távolságmérés</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Referenciapozíció</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Aktuális pozíció</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Távolság</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Pozíció formátumának váltása</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Pozíció kijelzése</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>NMEA-adatok kijelzése</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Referenciapozíció beállítása</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Figyelés leállítása</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Figyelés indítása</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Adatok törlése</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Kapcsolja be a párosítási módot,
és nyomja meg: Keresés ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ismeretlen</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Nem található eszköz. Próbálja újra.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Eszköz kiválasztása párosításhoz</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Eszköz párosítása</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>A párosítás sikertelen.
Próbálja újra.</translation>
    </message>
</context>
</TS>
