<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>MainMenu</name>
    <message>
        <source>Histogram</source>
        <translation>Локализиране</translation>
    </message>
    <message>
        <source>H2Sensor</source>
        <translation>Сензор H2</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ниво</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Longterm</source>
        <translation>Дълготрайно</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Трасиране</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Тест</translation>
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
        <translation>Измервания</translation>
    </message>
    <message>
        <source>Datatransmission</source>
        <translation>Пренос на данни</translation>
    </message>
    <message>
        <source>RM-3</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Актуализация</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
</context>
<context>
    <name>Systemsettings</name>
    <message>
        <source>ModeMuteButton</source>
        <translation>Режим бутон звук</translation>
    </message>
    <message>
        <source>HearingProtection</source>
        <translation>Защита на слуха</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Настройка на екрани</translation>
    </message>
    <message>
        <source>PairedHeadphone</source>
        <translation>Сдвоени слушалки</translation>
    </message>
    <message>
        <source>PairedMicrophone</source>
        <translation>Сдвоен RM-3</translation>
    </message>
    <message>
        <source>FavouriteButton</source>
        <translation>Бутон за любими</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Яркост</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Енергоспестяване</translation>
    </message>
    <message>
        <source>Systeminformation</source>
        <translation>Системна информация</translation>
    </message>
    <message>
        <source>ResetToDeliverystate</source>
        <translation>Фабрични настройки</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Език</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Timezone</source>
        <translation>Часова зона</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Лятно часово време</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Превключвател</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Бутон</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Изкл.</translation>
    </message>
    <message>
        <source>differentValues</source>
        <translation>Различни настройки</translation>
    </message>
    <message>
        <source>low</source>
        <translation>ниска</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>средна</translation>
    </message>
    <message>
        <source>high</source>
        <translation>висока</translation>
    </message>
    <message>
        <source>FW: %1</source>
        <translation>FW: %1</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Лятно време</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Зимно време</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никога</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Берлин</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Екранна снимка</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Измерване на ниво</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Дълготрайно измерване</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Сензор H2</translation>
    </message>
    <message>
        <source>PreviousPage</source>
        <translation>Предишна страница</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Следваща страница</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Локализиране</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Трасиране</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>SettingsCouldNotBeSaved</source>
        <translation>Настройките не можаха да бъдат запазени. Промените ще се загубят при изключване на уреда.</translation>
    </message>
</context>
<context>
    <name>LanguageSelect</name>
    <message>
        <source>English</source>
        <translation>Английски</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немски</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Френски</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Италиански</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испански</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайски</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешки</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Унгарски</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Руски</translation>
    </message>
    <message>
        <source>Slovenian</source>
        <translation>Словенски</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японски</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Полски</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португалски</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румънски</translation>
    </message>
    <message>
        <source>Slovakian</source>
        <translation>Словашки</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Шведски</translation>
    </message>
    <message>
        <source>Suomi</source>
        <translation>Фински</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Датски</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Норвежки</translation>
    </message>
    <message>
        <source>Bulgarian</source>
        <translation>Български</translation>
    </message>
    <message>
        <source>Croatian</source>
        <translation>Хърватски</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейски</translation>
    </message>
    <message>
        <source>Serbian</source>
        <translation>Сръбски</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турски</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Език</translation>
    </message>
</context>
<context>
    <name>DebugMenu</name>
    <message>
        <source>Debug menu</source>
        <translation>Debug меню</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Функциите на това сервизно меню не са налични в тази версия.</translation>
    </message>
</context>
<context>
    <name>PendingScreen</name>
    <message>
        <source>NotAvailableYet</source>
        <translation>Тази функция не е налична в тази версия.</translation>
    </message>
</context>
<context>
    <name>TestMenu</name>
    <message>
        <source>Factory test menu</source>
        <translation>Меню фабричен тест</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>ServiceMenuNotAvailable</source>
        <translation>Функциите на това сервизно меню не са налични в тази версия.</translation>
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
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Не</translation>
    </message>
</context>
<context>
    <name>Statusbardata</name>
    <message>
        <source>TheSensorCouldNotBeDetected</source>
        <translation>Сензорът не е открит.</translation>
    </message>
    <message>
        <source>BatteryVoltageOfRM3ToLow</source>
        <translation>Напрежението на батерията на RM-3 е твърде ниско. Моля, заредете.</translation>
    </message>
    <message>
        <source>ProblemWithSensorTypeDetection</source>
        <translation>Типът сензор не е разпознат. Закрепете сензора или почистете контактите.</translation>
    </message>
    <message>
        <source>TheBatteryIsVeryLowPleaseRecharge</source>
        <translation>Батерията е почти изтощена. Моля, заредете.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
</context>
<context>
    <name>VirtualKeyboard</name>
    <message>
        <source>EnterName</source>
        <translation>Въведете име</translation>
    </message>
    <message>
        <source>SHIFT</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>Въвеждане</translation>
    </message>
    <message>
        <source>DEL</source>
        <translation>Изтрий</translation>
    </message>
    <message>
        <source>SPACE</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Приеми</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>noSensor</source>
        <translation>Няма сензор</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>RM-3</translation>
    </message>
    <message>
        <source>FirmwareVersion</source>
        <translation>Фърмуер</translation>
    </message>
    <message>
        <source>BatteryState</source>
        <translation>Батерия</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Усилване</translation>
    </message>
    <message>
        <source>SensorType</source>
        <translation>Сензор</translation>
    </message>
    <message>
        <source>ButtonMode</source>
        <translation>Режим бутон</translation>
    </message>
    <message>
        <source>HardwareVersion</source>
        <translation>Хардуер</translation>
    </message>
    <message>
        <source>BluetoothName</source>
        <translation>BT име</translation>
    </message>
    <message>
        <source>BluetoothId</source>
        <translation>BT адрес</translation>
    </message>
    <message>
        <source>ReadAgain</source>
        <translation>Прочети
отново</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Няма Bluetooth връзка. Проверете RM-3.</translation>
    </message>
    <message>
        <source>AskingTheRM3</source>
        <translation>Запитване към RM-3 ...</translation>
    </message>
    <message>
        <source>NoAnswerFromTheRM3</source>
        <translation>Няма отговор от RM-3. Включен ли е и наблизо ли е?</translation>
    </message>
    <message>
        <source>PressureTransducer</source>
        <translation>Датчик за налягане</translation>
    </message>
</context>
<context>
    <name>Measurements</name>
    <message>
        <source>Error</source>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>NoMoreMeasurementsCanBeStored</source>
        <translation>Достигнат е макс. брой измервания. Измерването няма да бъде запазено. Изтрийте стари измервания.</translation>
    </message>
    <message>
        <source>OnlyAfewMeasurementsCanBeStored</source>
        <translation>Броят измервания е близо до лимита. Изтрийте стари измервания.</translation>
    </message>
    <message>
        <source>NotEnoughSpace</source>
        <translation>Няма достатъчно място в паметта за данни. Измерването не е запазено. Изтрийте стари измервания.</translation>
    </message>
    <message>
        <source>MeasurementNotStored</source>
        <translation>Измерването не можа да бъде запазено.</translation>
    </message>
</context>
<context>
    <name>Filtersettings</name>
    <message>
        <source>BandFilterOn</source>
        <translation>Лентов филтър вкл.</translation>
    </message>
    <message>
        <source>FilterOff</source>
        <translation>Филтър изкл.</translation>
    </message>
    <message>
        <source>LowCutOff</source>
        <translation>Долна граница</translation>
    </message>
    <message>
        <source>HighCutOff</source>
        <translation>Горна граница</translation>
    </message>
    <message>
        <source>AutoFilter</source>
        <translation>Автофилтър</translation>
    </message>
    <message>
        <source>NoFilter</source>
        <translation>Без филтър</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Звук на слушалките</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усилване микрофон</translation>
    </message>
</context>
<context>
    <name>Headphonesettings</name>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Звук на слушалките</translation>
    </message>
    <message>
        <source>VolumeDown</source>
        <translation>По-тихо</translation>
    </message>
    <message>
        <source>VolumeUp</source>
        <translation>По-силно</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>WarningHighVolumesCanLeadToHearingDamage</source>
        <translation>Внимание! Силният звук може
да увреди слуха.</translation>
    </message>
</context>
<context>
    <name>Micsettings</name>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усилване микрофон</translation>
    </message>
    <message>
        <source>GainOfWiredInput</source>
        <translation>Усилване на кабелния вход</translation>
    </message>
    <message>
        <source>GainOfSensor</source>
        <translation>Усилване на сензора</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
</context>
<context>
    <name>Levelmeasurement</name>
    <message>
        <source>Store</source>
        <translation>Запази</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Настрой филтъра</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усилване микрофон</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Звук на слушалките</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Пусни записа</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Спри</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>HeadphoneGain</source>
        <translation>Усилване слушалки</translation>
    </message>
    <message>
        <source>CurrentLevel</source>
        <translation>Ниво</translation>
    </message>
    <message>
        <source>MinimumLevel</source>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>PeakLevel</source>
        <translation>Пик</translation>
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
        <translation>Предишна страница</translation>
    </message>
    <message>
        <source>EditMeasurement</source>
        <translation>Редактирай измерване</translation>
    </message>
    <message>
        <source>FilterMeasurements</source>
        <translation>Филтрирай измервания</translation>
    </message>
    <message>
        <source>NextPage</source>
        <translation>Следваща страница</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
    <message>
        <source>NoMeasurementsStored</source>
        <translation>Няма запазени измервания</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>MeasurementNotDeleted</source>
        <translation>Измерването не можа да бъде изтрито.</translation>
    </message>
    <message>
        <source>MeasurementNotRenamed</source>
        <translation>Измерването не можа да бъде преименувано. Възможно е друго измерване да има това име.</translation>
    </message>
</context>
<context>
    <name>MeasManagementEdit</name>
    <message>
        <source>EditMeasurement</source>
        <translation>Редактирай измерване</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Име</translation>
    </message>
    <message>
        <source>ChangeName</source>
        <translation>Промени име</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Запази</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Изтрий</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Локализиране</translation>
    </message>
    <message>
        <source>Levelmeasurement</source>
        <translation>Измерване на ниво</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Трасиране</translation>
    </message>
    <message>
        <source>H2-Measurement</source>
        <translation>Измерване H2</translation>
    </message>
    <message>
        <source>Longtermmeasurement</source>
        <translation>Дълготрайно измерване</translation>
    </message>
    <message>
        <source>DeleteMeasurementQuestion</source>
        <translation>Изтриване на измерването и записите му?</translation>
    </message>
</context>
<context>
    <name>RecordingPlayer</name>
    <message>
        <source>NoRecordingStored</source>
        <translation>Това измерване няма запис.</translation>
    </message>
    <message>
        <source>RecordingCannotBePlayed</source>
        <translation>Записът не може да бъде възпроизведен.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Забележка</translation>
    </message>
</context>
<context>
    <name>MeasurementScreen</name>
    <message>
        <source>Note</source>
        <translation>Забележка</translation>
    </message>
    <message>
        <source>YouMustConnectAnAcousticalSensorToUseThisMeasurement.</source>
        <translation>За това измерване трябва да се
свърже акустичен сензор.</translation>
    </message>
    <message>
        <source>MeasurementDamaged</source>
        <translation>Измерването е повредено. Стойностите му не могат да се покажат.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>NoBluetoothConnectionPleaseCheckYourRM3</source>
        <translation>Няма Bluetooth връзка. Проверете RM-3.</translation>
    </message>
    <message>
        <source>YouMustConnectAH2-SensorToUseThisMeasurement</source>
        <translation>За това измерване трябва да се
свърже сензор H2.</translation>
    </message>
</context>
<context>
    <name>Pinpointing</name>
    <message>
        <source>Store</source>
        <translation>Запази</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Мащаб на стълбовете</translation>
    </message>
    <message>
        <source>DeleteLastPosition</source>
        <translation>Изтрий последната позиция</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Настрой филтъра</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усилване микрофон</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Звук на слушалките</translation>
    </message>
    <message>
        <source>PlayRecordedSound</source>
        <translation>Пусни записа</translation>
    </message>
    <message>
        <source>StopPlaying</source>
        <translation>Спри</translation>
    </message>
    <message>
        <source>NextPosition</source>
        <translation>Следваща позиция</translation>
    </message>
</context>
<context>
    <name>Longtermmeasurement</name>
    <message>
        <source>AnalysisTime</source>
        <translation>Време за анализ</translation>
    </message>
    <message>
        <source>Autoscale</source>
        <translation>Автомащаб</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Запази</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Настрой филтъра</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усилване микрофон</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Звук на слушалките</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
</context>
<context>
    <name>Pipelocating</name>
    <message>
        <source>Store</source>
        <translation>Запази</translation>
    </message>
    <message>
        <source>AdjustFilter</source>
        <translation>Настрой филтъра</translation>
    </message>
    <message>
        <source>MicrophoneGain</source>
        <translation>Усилване микрофон</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Звук на слушалките</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
</context>
<context>
    <name>H2Sensor</name>
    <message>
        <source>SetReference</source>
        <translation>Задай референция</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Мащаб</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Запази</translation>
    </message>
    <message>
        <source>HeadphoneVolume</source>
        <translation>Звук на слушалките</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>ReferenceShort</source>
        <translation>Реф.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Точки</translation>
    </message>
</context>
<context>
    <name>PressureSensor</name>
    <message>
        <source>TimeAxis</source>
        <translation>Времева ос</translation>
    </message>
    <message>
        <source>PressureAxis</source>
        <translation>Ос налягане</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Анализ</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предишна</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следваща</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Store</source>
        <translation>Запази</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Главно меню</translation>
    </message>
    <message>
        <source>NoPressureTransducer</source>
        <translation>Няма датчик</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Connect</source>
        <translation>Свържи</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Прекъсни</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>BackupConnectedToPC</source>
        <translation>PC вече може да чете измерванията.
Извадете устройството на PC,
след това натиснете Прекъсни.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPC</source>
        <translation>Свържете KXE500 с PC
и натиснете Свържи.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Грешка</translation>
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
        <translation>Тези файлове от PC не можаха да бъдат изпълнени:</translation>
    </message>
</context>
<context>
    <name>Firmwareupdate</name>
    <message>
        <source>FirmwareUpdate</source>
        <translation>Обновяване на фърмуер</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Свържи</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Прекъсни</translation>
    </message>
    <message>
        <source>InstalledFirmware</source>
        <translation>Инсталиран</translation>
    </message>
    <message>
        <source>NewFirmware</source>
        <translation>Нов</translation>
    </message>
    <message>
        <source>StartUpdate</source>
        <translation>Започни обновяване</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Затвори</translation>
    </message>
    <message>
        <source>NoFirmwarefileFound</source>
        <translation>Файлът на фърмуер %1 не е намерен.</translation>
    </message>
    <message>
        <source>FirmwarefileWithoutVersion</source>
        <translation>%1 няма версия (напр. 1-2-0).</translation>
    </message>
    <message>
        <source>PleaseCopyTheFirmwarefilesPressTheButtonDisconnectIfAllFilesAreCopied</source>
        <translation>Копирайте файловете на фърмуера.
Когато всички са копирани,
натиснете Прекъсни.</translation>
    </message>
    <message>
        <source>ConnectTheKXE500ToYourPCAndPressTheButtonConnect</source>
        <translation>Свържете KXE500 с PC
и натиснете Свържи.</translation>
    </message>
    <message>
        <source>UpdateKXE500</source>
        <translation>Обнови KXE500</translation>
    </message>
    <message>
        <source>UpdateRM-3</source>
        <translation>Обнови RM-3</translation>
    </message>
    <message>
        <source>NewestOfFilesOffered</source>
        <translation>Намерени файлове на фърмуер: %1; предлага се най-новият.</translation>
    </message>
    <message>
        <source>CouldNotReadFirmwarefile</source>
        <translation>Файлът на фърмуера не може да се прочете. Опитайте отново.</translation>
    </message>
    <message>
        <source>UpdatingKXE500</source>
        <translation>Обновяване на KXE500</translation>
    </message>
    <message>
        <source>CopyingFilesPleaseWait</source>
        <translation>Копиране на файлове, моля изчакайте ...</translation>
    </message>
    <message>
        <source>CouldNotCopyFirmwarefile</source>
        <translation>Фърмуерът не можа да бъде копиран. Опитайте отново.</translation>
    </message>
    <message>
        <source>FirmwareupdateKXE500</source>
        <translation>Обновяване фърмуер KXE500</translation>
    </message>
    <message>
        <source>AllFilesCopiedPleaseWaitForReboot</source>
        <translation>Всички файлове са копирани.
Изчакайте рестартирането ...</translation>
    </message>
    <message>
        <source>UpdatingRM-3</source>
        <translation>Обновяване на RM-3</translation>
    </message>
    <message>
        <source>TransmittingFirmwarePleaseWait</source>
        <translation>Предаване на фърмуер, моля изчакайте ...</translation>
    </message>
    <message>
        <source>ErrorDuringFirmwareUpdatePleaseTryAgain</source>
        <translation>Грешка при обновяване на фърмуера. Опитайте отново.</translation>
    </message>
    <message>
        <source>FirmwareSuccessfulTransmittedPleaseWaitForRestart</source>
        <translation>Фърмуерът е предаден.
Изчакайте рестартирането на RM-3 ...</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessful</source>
        <translation>Фърмуерът е обновен успешно.</translation>
    </message>
    <message>
        <source>FirmwareupdateRM-3</source>
        <translation>Обновяване фърмуер RM-3</translation>
    </message>
    <message>
        <source>FirmwareupdateSuccessfullyFinished.</source>
        <translation>Обновяването на фърмуера завърши успешно.</translation>
    </message>
    <message>
        <source>RM3StillOldFirmware</source>
        <translation>RM-3 все още отчита фърмуер %1.
Опитайте отново.</translation>
    </message>
    <message>
        <source>RM3ReportsFirmware</source>
        <translation>RM-3 отчита фърмуер %1.</translation>
    </message>
    <message>
        <source>ErrorDuringUpdatePleaseTryAgainNoAnswerReceivedFromBluetoothDevice</source>
        <translation>Грешка при обновяване, опитайте отново.
Няма отговор от Bluetooth устройството.</translation>
    </message>
    <message>
        <source>FirmwareupdateCancelled</source>
        <translation>Обновяването на фърмуера е отменено.</translation>
    </message>
</context>
<context>
    <name>UsbExport</name>
    <message>
        <source>Error</source>
        <translation>Грешка</translation>
    </message>
    <message>
        <source>UsbConnectFailed</source>
        <translation>Данните не можаха да бъдат предадени на PC. Опитайте отново.</translation>
    </message>
    <message>
        <source>UsbStillConnected</source>
        <translation>PC все още държи данните. Извадете устройството на PC и натиснете отново Прекъсни.</translation>
    </message>
    <message>
        <source>DataPartitionNotMounted</source>
        <translation>Паметта за измервания не можа да бъде отворена. Измерванията не могат да се запазват.</translation>
    </message>
</context>
<context>
    <name>CustomizeDialogs</name>
    <message>
        <source>ShowFFT</source>
        <translation>Покажи FFT</translation>
    </message>
    <message>
        <source>ShowFrequencyValue</source>
        <translation>Покажи честотата</translation>
    </message>
    <message>
        <source>ShowPeakLevelBar</source>
        <translation>Покажи пиковото ниво</translation>
    </message>
    <message>
        <source>UseFrequencyColor</source>
        <translation>Стълб в цвят на честотата</translation>
    </message>
    <message>
        <source>ShowFilterParameter</source>
        <translation>Покажи параметрите на филтъра</translation>
    </message>
    <message>
        <source>DynamicScaling</source>
        <translation>Динамичен мащаб</translation>
    </message>
    <message>
        <source>ShowGrid</source>
        <translation>Покажи мрежа</translation>
    </message>
    <message>
        <source>ShowHistogram</source>
        <translation>Покажи хистограма</translation>
    </message>
    <message>
        <source>ShowWorkingRange</source>
        <translation>Покажи работния обхват</translation>
    </message>
    <message>
        <source>UseFavouriteForStartup</source>
        <translation>Старт с любимото</translation>
    </message>
    <message>
        <source>UseFilterForStartup</source>
        <translation>Старт с последния филтър</translation>
    </message>
    <message>
        <source>UseGpsForStartup</source>
        <translation>GPS вкл. при старт</translation>
    </message>
    <message>
        <source>LevelMeasurement</source>
        <translation>Измерване на ниво</translation>
    </message>
    <message>
        <source>Pinpointing</source>
        <translation>Локализиране</translation>
    </message>
    <message>
        <source>LongtermMeasurement</source>
        <translation>Дълготрайно измерване</translation>
    </message>
    <message>
        <source>H2-Sensor</source>
        <translation>Сензор H2</translation>
    </message>
    <message>
        <source>Pipelocating</source>
        <translation>Трасиране</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Приеми</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>DateTimeAdjust</name>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ръчно</translation>
    </message>
    <message>
        <source>InvalidDate</source>
        <translation>Невалидна дата</translation>
    </message>
    <message>
        <source>InvalidDateText</source>
        <translation>Тази дата не съществува. Коригирайте деня или месеца.</translation>
    </message>
</context>
<context>
    <name>Displaysettings</name>
    <message>
        <source>Brightness</source>
        <translation>Яркост</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Приеми</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>low</source>
        <translation>ниска</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>средна</translation>
    </message>
    <message>
        <source>high</source>
        <translation>висока</translation>
    </message>
</context>
<context>
    <name>HearingProtection</name>
    <message>
        <source>HearingProtection</source>
        <translation>Защита на слуха</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Изкл.</translation>
    </message>
    <message>
        <source>DefaultHeadphoneVolume</source>
        <translation>Настрой звука на слушалките</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Приеми</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>MaximumVolumeWillBeLimited</source>
        <translation>Максималната сила на звука ще бъде ограничена.</translation>
    </message>
    <message>
        <source>WarningRiskOfAcousticShock</source>
        <translation>Внимание! Опасност от акустичен шок.</translation>
    </message>
</context>
<context>
    <name>PowerSaving</name>
    <message>
        <source>never</source>
        <translation>никога</translation>
    </message>
    <message>
        <source>PowerSaving</source>
        <translation>Енергоспестяване</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Изключване</translation>
    </message>
    <message>
        <source>BacklightOff</source>
        <translation>Подсветка изкл.</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Приеми</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>ResetSettings</name>
    <message>
        <source>ResetToDeliveryState</source>
        <translation>Фабрични настройки</translation>
    </message>
    <message>
        <source>ResetToDeliveryStateInfo</source>
        <translation>Връщане на фабричните настройки.
Всички настройки (напр. език,
сдвоени Bluetooth устройства) ще бъдат нулирани.
Запазените измервания няма да бъдат изтрити.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Нулиране</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>DoYouReallyWantToResetAllSettings</source>
        <translation>Наистина ли да се нулират всички настройки?</translation>
    </message>
</context>
<context>
    <name>SelectFavouriteButton</name>
    <message>
        <source>FavouriteButton</source>
        <translation>Бутон за любими</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Приеми</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>SelectSwitchmode</name>
    <message>
        <source>ModeOfMutingButton</source>
        <translation>Режим на бутона за звук</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Превключвател</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>Бутон</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Приеми</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>SelectTimezone</name>
    <message>
        <source>MidwayIslands</source>
        <translation>Острови Мидуей</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Хаваи</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Аляска</translation>
    </message>
    <message>
        <source>Pacific</source>
        <translation>Тихоокеанско</translation>
    </message>
    <message>
        <source>Arizona</source>
        <translation>Аризона</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>Чикаго</translation>
    </message>
    <message>
        <source>NewYork</source>
        <translation>Ню Йорк</translation>
    </message>
    <message>
        <source>Manaus</source>
        <translation>Манаус</translation>
    </message>
    <message>
        <source>Newfoundland</source>
        <translation>Нюфаундленд</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Гренландия</translation>
    </message>
    <message>
        <source>MiddleAtlantic</source>
        <translation>Средна Атлантика</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Азорски о-ви</translation>
    </message>
    <message>
        <source>London</source>
        <translation>Лондон</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Берлин</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>Кайро</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>Москва</translation>
    </message>
    <message>
        <source>Teheran</source>
        <translation>Техеран</translation>
    </message>
    <message>
        <source>AbuDhabi</source>
        <translation>Абу Даби</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>Кабул</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>Исламабад</translation>
    </message>
    <message>
        <source>NewDelhi</source>
        <translation>Ню Делхи</translation>
    </message>
    <message>
        <source>Katmandu</source>
        <translation>Катманду</translation>
    </message>
    <message>
        <source>Nowosibirsk</source>
        <translation>Новосибирск</translation>
    </message>
    <message>
        <source>Yangon</source>
        <translation>Янгон</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>Банкок</translation>
    </message>
    <message>
        <source>HongKong</source>
        <translation>Хонконг</translation>
    </message>
    <message>
        <source>Tokio</source>
        <translation>Токио</translation>
    </message>
    <message>
        <source>Darwin</source>
        <translation>Дарвин</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Сидни</translation>
    </message>
    <message>
        <source>Magadan</source>
        <translation>Магадан</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Фиджи</translation>
    </message>
    <message>
        <source>DaylightSavingTime</source>
        <translation>Лятно време</translation>
    </message>
    <message>
        <source>Summertime</source>
        <translation>Лятно време</translation>
    </message>
    <message>
        <source>Wintertime</source>
        <translation>Зимно време</translation>
    </message>
    <message>
        <source>SwitchDst</source>
        <translation>Превключи лятно/зимно време</translation>
    </message>
</context>
<context>
    <name>Systeminformation</name>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>SystemInformation</source>
        <translation>Системна информация</translation>
    </message>
    <message>
        <source>Firmwareversion</source>
        <translation>Фърмуер</translation>
    </message>
    <message>
        <source>Serialnumber</source>
        <translation>Сериен номер</translation>
    </message>
    <message>
        <source>Productiondate</source>
        <translation>Дата на производство</translation>
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
        <translation>Хардуер</translation>
    </message>
    <message>
        <source>OperatingSystem</source>
        <translation>Операционна система</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Батерия</translation>
    </message>
    <message>
        <source>DebugEnabled</source>
        <translation>Debug вкл.</translation>
    </message>
</context>
<context>
    <name>GpsMonitor</name>
    <message>
        <source>GpsInformation</source>
        <translation>GPS информация</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Дължина</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Сателити</translation>
    </message>
    <message>
        <source>SatelliteInformation</source>
        <translation>Информация за сателитите</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Посока</translation>
    </message>
    <message>
        <source>Groundspeed</source>
        <translation>Скорост</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Височина</translation>
    </message>
    <message>
        <source>DistanceMeasurement</source>
        <translation>Измерване на разстояние</translation>
    </message>
    <message>
        <source>ReferencePosition</source>
        <translation>Референтна позиция</translation>
    </message>
    <message>
        <source>CurrentPosition</source>
        <translation>Текуща позиция</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Разстояние</translation>
    </message>
    <message>
        <source>SwitchGpsFormat</source>
        <translation>Смени формата на позицията</translation>
    </message>
    <message>
        <source>Mainmenu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>DisplayGpsPosition</source>
        <translation>Покажи позицията</translation>
    </message>
    <message>
        <source>DisplayNmeaData</source>
        <translation>Покажи NMEA данните</translation>
    </message>
    <message>
        <source>SetReferencePosition</source>
        <translation>Задай референтна позиция</translation>
    </message>
    <message>
        <source>StopMonitoring</source>
        <translation>Спри наблюдението</translation>
    </message>
    <message>
        <source>StartMonitoring</source>
        <translation>Започни наблюдение</translation>
    </message>
    <message>
        <source>DeleteData</source>
        <translation>Изтрий данните</translation>
    </message>
</context>
<context>
    <name>BluetoothPairing</name>
    <message>
        <source>Search</source>
        <translation>Търсене</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>EnablePairingModeAndPressSearchButton</source>
        <translation>Включете режим на сдвояване
и натиснете Търсене ...</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Търсене ...</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>NoDevicesFoundTryAgain</source>
        <translation>Не са намерени устройства. Опитайте отново.</translation>
    </message>
    <message>
        <source>SelectDeviceForPairing</source>
        <translation>Изберете устройство за сдвояване</translation>
    </message>
    <message>
        <source>PairingDevice</source>
        <translation>Сдвояване на устройството</translation>
    </message>
    <message>
        <source>PairingNotSuccessfulPleaseTryAgain</source>
        <translation>Сдвояването е неуспешно.
Опитайте отново.</translation>
    </message>
</context>
</TS>
