<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Zarządzanie</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Długotrwały</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasowanie rur</translation>
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
        <translation>Pomiary</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Transfer danych</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Tryb wyciszania</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Ochrona słuchu</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Dostosuj ekrany</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Sparowane słuchawki</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Sparowany RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Ulubiony przycisk</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Oszczędzanie energii</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Informacje o systemie</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Strefa czasowa</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Czas letni/zimowy</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Przełącznik</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Przycisk</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktywna</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Nieaktywna</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Różne ustawienia</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niska</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>średnia</translation>
    </message>
    <message>
        <source>high</source>
        <translation>wysoka</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Czas zimowy</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Zrzut ekranu</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Pomiar poziomu</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Pomiar długotrwały</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Lokalizacja wycieku</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasowanie rur</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Nie można zapisać ustawień. Zmiany zostaną utracone po wyłączeniu urządzenia.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Węgierski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Słoweński</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumuński</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Słowacki</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Szwedzki</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Fiński</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Duński</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norweski</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Bułgarski</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Chorwacki</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Serbski</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
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
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcje tego menu serwisowego nie są dostępne w tej wersji.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Ta funkcja nie jest dostępna w tej wersji.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Menu testu fabrycznego</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Funkcje tego menu serwisowego nie są dostępne w tej wersji.</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
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
        <translation>Nie wykryto czujnika.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Za niskie napięcie akumulatora RM-3. Naładuj akumulator.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Nie rozpoznano typu czujnika. Zamocuj czujnik lub oczyść styki.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Akumulator prawie rozładowany. Naładuj akumulator.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Wpisz nazwę</translation>
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
        <translation>Usuń</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Brak czujnika</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
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
        <translation>Akumulator</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Wzmocnienie</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Czujnik</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Tryb przycisku</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>Nazwa BT</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>Adres BT</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Odczytaj
ponownie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Brak połączenia Bluetooth. Sprawdź RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Odpytywanie RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Brak odpowiedzi z RM-3. Sprawdź, czy jest włączony i w pobliżu.</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Przetwornik ciśnienia</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Osiągnięto maks. liczbę pomiarów. Pomiar nie zostanie zapisany. Usuń stare pomiary.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Liczba pomiarów bliska limitu. Usuń stare pomiary.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Za mało miejsca w pamięci danych. Pomiar nie został zapisany. Usuń stare pomiary.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Nie można zapisać pomiaru.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Filtr pasmowy wł.</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Filtr wył.</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Dolna granica</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Górna granica</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Auto filtr</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Bez filtra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Głośność słuchawek</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Głośność słuchawek</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Uwaga! Duża głośność może
uszkodzić słuch.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Wzmocnienie wejścia kablowego</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Wzmocnienie czujnika</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ustaw filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Głośność słuchawek</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Odtwórz nagranie</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Wzmocnienie słuchawek</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Szczyt</translation>
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
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Edytuj pomiar</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Filtruj pomiary</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Brak zapisanych pomiarów</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Nie można usunąć pomiaru.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Nie można zmienić nazwy pomiaru. Inny pomiar może mieć tę nazwę.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Edytuj pomiar</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Lokalizacja wycieku</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Pomiar poziomu</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasowanie rur</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Pomiar H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Pomiar długotrwały</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Usunąć ten pomiar wraz z nagraniami?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Ten pomiar nie ma nagrania.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Nie można odtworzyć nagrania.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>Do tego pomiaru należy podłączyć
czujnik akustyczny.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Ten pomiar jest uszkodzony. Nie można wyświetlić jego wartości.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Brak połączenia Bluetooth. Sprawdź RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>Do tego pomiaru należy
podłączyć sondę H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala słupków</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Usuń ostatnią pozycję</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ustaw filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Głośność słuchawek</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Odtwórz nagranie</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Następna pozycja</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Czas analizy</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Autoskala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ustaw filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Głośność słuchawek</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Ustaw filtr</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Wzmocnienie mikrofonu</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Głośność słuchawek</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Ustaw odniesienie</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Głośność słuchawek</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Odn.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Oś czasu</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Oś ciśnienia</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analiza</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzedni</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Brak przetwornika</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC może teraz odczytać pomiary.
Wysuń dysk w PC,
potem naciśnij Rozłącz.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Podłącz KXE500 do PC
i naciśnij Połącz.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
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
        <translation>Nie można wykonać tych plików z PC:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Aktualizacja firmware</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Zainstalowany</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Nie znaleziono pliku firmware %1.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 nie zawiera wersji (np. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Skopiuj pliki firmware.
Po skopiowaniu wszystkich plików
naciśnij Rozłącz.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Podłącz KXE500 do PC
i naciśnij Połącz.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Aktualizuj KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Aktualizuj RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>Znaleziono plików firmware: %1; oferowany jest najnowszy.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Nie można odczytać pliku firmware. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Aktualizacja KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Kopiowanie plików, czekaj ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Nie można skopiować firmware. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Aktualizacja firmware KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Wszystkie pliki skopiowane.
Czekaj na restart ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Aktualizacja RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Przesyłanie firmware, czekaj ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Błąd aktualizacji firmware. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Firmware przesłany.
Czekaj na restart RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Aktualizacja firmware udana.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Aktualizacja firmware RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Aktualizacja firmware zakończona pomyślnie.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 nadal zgłasza firmware %1.
Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 zgłasza firmware %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Błąd aktualizacji, spróbuj ponownie.
Brak odpowiedzi z urządzenia Bluetooth.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Aktualizacja firmware anulowana.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Nie można przekazać danych do PC. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC nadal trzyma dane. Wysuń dysk w PC i ponownie naciśnij Rozłącz.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Nie można otworzyć pamięci pomiarów. Nie można zapisywać pomiarów.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Pokaż FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Pokaż częstotliwość</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Pokaż słupek szczytu</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Słupek w kolorze częstotl.</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Pokaż parametry filtra</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Skalowanie dynamiczne</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Pokaż siatkę</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Pokaż histogram</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Pokaż zakres roboczy</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Start z ulubioną funkcją</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Start z ostatnim filtrem</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS wł. przy starcie</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Pomiar poziomu</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Lokalizacja wycieku</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Pomiar długotrwały</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Sonda H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Trasowanie rur</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Uruchamianie</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręcznie</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Nieprawidłowa data</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Ta data nie istnieje. Popraw dzień lub miesiąc.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Jasność</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>low</source>
        <translation>niska</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>średnia</translation>
    </message>
    <message>
        <source>high</source>
        <translation>wysoka</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Ochrona słuchu</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktywna</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Nieaktywna</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Ustaw głośność słuchawek</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Maksymalna głośność zostanie ograniczona.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Uwaga! Ryzyko urazu akustycznego.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Oszczędzanie energii</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Wyłączenie</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Podświetlenie wył.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Przywracanie ustawień fabrycznych.
Wszystkie ustawienia (np. język,
sparowane urządzenia Bluetooth) zostaną zresetowane.
Zapisane pomiary nie zostaną usunięte.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Czy na pewno zresetować wszystkie ustawienia?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Ulubiony przycisk</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Tryb przycisku wyciszania</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Przełącznik</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Przycisk</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Wyspy Midway</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaje</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Pacyfik</translation>
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
        <translation>Nowy Jork</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Manaus</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Nowa Fundlandia</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Grenlandia</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Środkowy Atlantyk</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azory</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Londyn</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Kair</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Moskwa</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Teheran</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Abu Zabi</translation>
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
        <translation>Nowe Delhi</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Katmandu</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Nowosybirsk</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Rangun</translation>
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
        <translation>Fidżi</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Czas letni</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Czas zimowy</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Przełącz czas letni / zimowy</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Informacje o systemie</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Data produkcji</translation>
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
        <translation>System operacyjny</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akumulator</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug włączony</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>Informacje GPS</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Informacje o satelitach</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Pomiar odległości</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Pozycja odniesienia</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Bieżąca pozycja</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Odległość</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Przełącz zapis pozycji</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Pokaż pozycję</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Pokaż dane NMEA</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Ustaw pozycję odniesienia</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Zatrzymaj monitorowanie</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Uruchom monitorowanie</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Usuń dane</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Włącz tryb parowania
i naciśnij Szukaj ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Wyszukiwanie</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Nie znaleziono urządzeń. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Wybierz urządzenie do parowania</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Parowanie urządzenia</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Parowanie nieudane.
Spróbuj ponownie.</translation>
    </message>
</context>
</TS>
