<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Kvor3m</name>
    <message>
        <source>Введите правильно данные</source>
        <translation>Enter the data correctly</translation>
    </message>
    <message>
        <source>Шар должен лететь слева направо</source>
        <translation>The ball must fly from left to right</translation>
    </message>
    <message>
        <source>не число</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>слишком большое число</source>
        <translation>number too large</translation>
    </message>
    <message>
        <source>Тела перекрываются в начале опыта</source>
        <translation>The bodies overlap at the start of the experiment</translation>
    </message>
    <message>
        <source>Ошибка решения уравнений</source>
        <translation>Error in solving the equations</translation>
    </message>
    <message>
        <source>Вы превысили скорость света, измените начальные данные</source>
        <translation>You have exceeded the speed of light; change the initial data</translation>
    </message>
    <message>
        <source>                Несовместимость параметров
Быстрее всего получились слишком большие силы 
а следоватедьно ускорения, скорости и координаты, что при
заданных масштабах не позволяет вывести их на зкран</source>
        <translation>                Incompatible parameters
Most likely the forces have become too large,
and so have the accelerations, velocities and coordinates,
which at the scales set cannot be shown on the screen</translation>
    </message>
    <message>
        <source>Ошибка записи в файл</source>
        <translation>Error writing to the file</translation>
    </message>
    <message>
        <source>Не удалось открыть опыт</source>
        <translation>Could not open the experiment</translation>
    </message>
    <message>
        <source>Увеличьте NC0 (не хватает массива для точек траектории)</source>
        <translation>Increase NC0 (the array for the trajectory points is full)</translation>
    </message>
    <message>
        <source>    Потенциальная энергия системы Eq 
от действия электростатической силы Fq
      достигла начального значения
         Продолжить эксперимент ?</source>
        <translation>    The potential energy Eq of the system
due to the electrostatic force Fq
      has reached its initial value.
         Continue the experiment?</translation>
    </message>
    <message>
        <source>прошло заданное время (%1 с)</source>
        <translation>the set time has passed (%1 s)</translation>
    </message>
    <message>
        <source>тела разлетелись</source>
        <translation>the bodies have flown apart</translation>
    </message>
    <message>
        <source>кг</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>масса должна быть больше 0</source>
        <translation>the mass must be greater than 0</translation>
    </message>
    <message>
        <source>Масса покоя тела 1</source>
        <translation>Rest mass of body 1</translation>
    </message>
    <message>
        <source>к</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Заряд тела 1</source>
        <translation>Charge of body 1</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>диаметр должен быть больше 0</source>
        <translation>the diameter must be greater than 0</translation>
    </message>
    <message>
        <source>Диаметр шара 1</source>
        <translation>Diameter of ball 1</translation>
    </message>
    <message>
        <source>н/м</source>
        <translation>N/m</translation>
    </message>
    <message>
        <source>жёсткость должна быть больше 0</source>
        <translation>the stiffness must be greater than 0</translation>
    </message>
    <message>
        <source>Жёсткость материала тела 1</source>
        <translation>Stiffness of the material of body 1</translation>
    </message>
    <message>
        <source>н*с/м</source>
        <translation>N*s/m</translation>
    </message>
    <message>
        <source>вязкое трение не может быть меньше 0</source>
        <translation>the viscous friction cannot be less than 0</translation>
    </message>
    <message>
        <source>Вязкое трение в материале тела 1</source>
        <translation>Viscous friction in the material of body 1</translation>
    </message>
    <message>
        <source>сухое трение не может быть меньше 0</source>
        <translation>the dry friction cannot be less than 0</translation>
    </message>
    <message>
        <source>Коэффициент сухого трения между поверхностями тел</source>
        <translation>Coefficient of dry friction between the surfaces of the bodies</translation>
    </message>
    <message>
        <source>м/с</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Скорость тела 1 вдоль оси X</source>
        <translation>Velocity of body 1 along the X axis</translation>
    </message>
    <message>
        <source>Скорость тела 1 вдоль оси Y</source>
        <translation>Velocity of body 1 along the Y axis</translation>
    </message>
    <message>
        <source>Координата X центра тела 1</source>
        <translation>X coordinate of the centre of body 1</translation>
    </message>
    <message>
        <source>Координата Y центра тела 1</source>
        <translation>Y coordinate of the centre of body 1</translation>
    </message>
    <message>
        <source>Масса покоя тела 2</source>
        <translation>Rest mass of body 2</translation>
    </message>
    <message>
        <source>Заряд тела 2</source>
        <translation>Charge of body 2</translation>
    </message>
    <message>
        <source>Диаметр шара 2, толщина стержня</source>
        <translation>Diameter of ball 2, thickness of the rod</translation>
    </message>
    <message>
        <source>Жёсткость материала тела 2</source>
        <translation>Stiffness of the material of body 2</translation>
    </message>
    <message>
        <source>Вязкое трение в материале тела 2</source>
        <translation>Viscous friction in the material of body 2</translation>
    </message>
    <message>
        <source>длина стержня должна быть больше 0</source>
        <translation>the rod length must be greater than 0</translation>
    </message>
    <message>
        <source>Длина стержня</source>
        <translation>Length of the rod</translation>
    </message>
    <message>
        <source>Скорость тела 2 вдоль оси X</source>
        <translation>Velocity of body 2 along the X axis</translation>
    </message>
    <message>
        <source>Скорость тела 2 вдоль оси Y</source>
        <translation>Velocity of body 2 along the Y axis</translation>
    </message>
    <message>
        <source>Координата X центра тела 2</source>
        <translation>X coordinate of the centre of body 2</translation>
    </message>
    <message>
        <source>Координата Y центра тела 2</source>
        <translation>Y coordinate of the centre of body 2</translation>
    </message>
    <message>
        <source>Десятичный порядок масс обоих тел</source>
        <translation>Decimal exponent of the masses of both bodies</translation>
    </message>
    <message>
        <source>Десятичный порядок зарядов обоих тел</source>
        <translation>Decimal exponent of the charges of both bodies</translation>
    </message>
    <message>
        <source>Десятичный порядок диаметров</source>
        <translation>Decimal exponent of the diameters</translation>
    </message>
    <message>
        <source>Десятичный порядок жёсткостей</source>
        <translation>Decimal exponent of the stiffnesses</translation>
    </message>
    <message>
        <source>Десятичный порядок вязкого трения</source>
        <translation>Decimal exponent of the viscous friction</translation>
    </message>
    <message>
        <source>н/см</source>
        <translation>N/cm</translation>
    </message>
    <message>
        <source>масштаб должен быть больше 0</source>
        <translation>the scale must be greater than 0</translation>
    </message>
    <message>
        <source>Масштаб сил на графике</source>
        <translation>Scale of the forces on the graph</translation>
    </message>
    <message>
        <source>Десятичный порядок скоростей вдоль оси X</source>
        <translation>Decimal exponent of the velocities along the X axis</translation>
    </message>
    <message>
        <source>Десятичный порядок скоростей вдоль оси Y</source>
        <translation>Decimal exponent of the velocities along the Y axis</translation>
    </message>
    <message>
        <source>м/см</source>
        <translation>m/cm</translation>
    </message>
    <message>
        <source>Масштаб координат на рисунке траекторий</source>
        <translation>Scale of the coordinates on the trajectory picture</translation>
    </message>
    <message>
        <source>(м/с)/см</source>
        <translation>(m/s)/cm</translation>
    </message>
    <message>
        <source>Масштаб скоростей на рисунках</source>
        <translation>Scale of the velocities on the pictures</translation>
    </message>
    <message>
        <source>с/см</source>
        <translation>s/cm</translation>
    </message>
    <message>
        <source>Масштаб времени на графике</source>
        <translation>Scale of the time on the graph</translation>
    </message>
    <message>
        <source>с</source>
        <translation>s</translation>
    </message>
    <message>
        <source>шаг должен быть больше 0</source>
        <translation>the step must be greater than 0</translation>
    </message>
    <message>
        <source>Шаг интегрирования</source>
        <translation>Integration step</translation>
    </message>
    <message>
        <source>Число шагов между обновлениями экрана; меньше 1 считается за 1</source>
        <translation>Number of steps between screen updates; less than 1 counts as 1</translation>
    </message>
    <message>
        <source>Число шагов между записями в файл; меньше 1 считается за 1</source>
        <translation>Number of steps between records in the file; less than 1 counts as 1</translation>
    </message>
    <message>
        <source>Масштаб электростатической силы на графике</source>
        <translation>Scale of the electrostatic force on the graph</translation>
    </message>
    <message>
        <source>Угол поворота стержня в начале опыта, когда флажок рядом отмечен; иначе угол скорости тела 2</source>
        <translation>Angle of the rod at the start of the experiment when the tick beside it is on; otherwise the angle of the velocity of body 2</translation>
    </message>
    <message>
        <source>Десятичный порядок координат X</source>
        <translation>Decimal exponent of the X coordinates</translation>
    </message>
    <message>
        <source>Десятичный порядок координат Y</source>
        <translation>Decimal exponent of the Y coordinates</translation>
    </message>
    <message>
        <source>Массы растут со скоростью по формуле теории относительности</source>
        <translation>The masses grow with speed by the formula of relativity</translation>
    </message>
    <message>
        <source>Записывать состояние в файл записи</source>
        <translation>Write the state to the data file</translation>
    </message>
    <message>
        <source>Кривая VX1 на графике</source>
        <translation>Curve VX1 on the graph</translation>
    </message>
    <message>
        <source>Кривая VX2 на графике</source>
        <translation>Curve VX2 on the graph</translation>
    </message>
    <message>
        <source>Кривая VY1 на графике</source>
        <translation>Curve VY1 on the graph</translation>
    </message>
    <message>
        <source>Кривая VY2 на графике</source>
        <translation>Curve VY2 on the graph</translation>
    </message>
    <message>
        <source>Кривая w1 на графике</source>
        <translation>Curve w1 on the graph</translation>
    </message>
    <message>
        <source>Кривая w2 на графике</source>
        <translation>Curve w2 on the graph</translation>
    </message>
    <message>
        <source>Показывать массы m1, m2 вместо координат X1, X2</source>
        <translation>Show the masses m1, m2 instead of the coordinates X1, X2</translation>
    </message>
    <message>
        <source>Показывать проекции силы FX, FY вместо скоростей V1, V2</source>
        <translation>Show the force components FX, FY instead of the speeds V1, V2</translation>
    </message>
    <message>
        <source>Повернуть стержень в начале опыта на угол, набранный рядом</source>
        <translation>Turn the rod at the start of the experiment by the angle typed beside it</translation>
    </message>
    <message>
        <source>Загружать пример при выборе варианта</source>
        <translation>Load the example when a variant is chosen</translation>
    </message>
    <message>
        <source>Учитывать притяжение тел (сила Fm)</source>
        <translation>Include the gravitational attraction of the bodies (force Fm)</translation>
    </message>
    <message>
        <source>Учебная модель удара двух тел на плоскости: двух шаров или шара и стержня.</source>
        <translation>A teaching model of the impact of two bodies in a plane: two balls, or a ball and a rod.</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Дописывать записи в этом запуске в файл &lt;файл&gt; (выбор в окне не меняется).</source>
        <translation>Append the records of this run to &lt;file&gt; (the choice in the window stays as it is).</translation>
    </message>
    <message>
        <source>Темп показа в этом запуске (выбор в окне не меняется).</source>
        <translation>The display pace of this run (the choice in the window stays as it is).</translation>
    </message>
    <message>
        <source>Язык окна в этом запуске (выбор в окне не меняется).</source>
        <translation>The language of the window in this run (the choice in the window stays as it is).</translation>
    </message>
    <message>
        <source>Открыть опыт из файла (.kvs).</source>
        <translation>Open the experiment in the file (.kvs).</translation>
    </message>
    <message>
        <source>Лишний аргумент: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--pace: slow, normal, fast или max, а не %1</source>
        <translation>--pace: slow, normal, fast or max, not %1</translation>
    </message>
    <message>
        <source>--language: en или ru, а не %1</source>
        <translation>--language: en or ru, not %1</translation>
    </message>
    <message>
        <source>Файл записи: %1</source>
        <translation>Data file: %1</translation>
    </message>
    <message>
        <source>График энергий</source>
        <translation>Energy graph</translation>
    </message>
    <message>
        <source>Опыт Kvor3m (*.kvs);;Все файлы (*)</source>
        <translation>Kvor3m experiment (*.kvs);;All files (*)</translation>
    </message>
    <message>
        <source>; пропущены строки %1</source>
        <translation>; lines skipped: %1</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>Опыт открыт: %1</source>
        <translation>Experiment opened: %1</translation>
    </message>
    <message>
        <source>Опыт сохранён: %1</source>
        <translation>Experiment saved: %1</translation>
    </message>
    <message>
        <source>Открыть опыт</source>
        <translation>Open experiment</translation>
    </message>
    <message>
        <source>Сохранить опыт</source>
        <translation>Save experiment</translation>
    </message>
    <message>
        <source>опыт.kvs</source>
        <translation>experiment.kvs</translation>
    </message>
    <message>
        <source>(нет)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Конец опыта</source>
        <translation>End of the experiment</translation>
    </message>
    <message>
        <source>Закончить опыт, когда T достигнет, с:</source>
        <translation>End the experiment when T reaches, s:</translation>
    </message>
    <message>
        <source>    При загрузке программы вы видите в левом верхнем углу две колонки параметров двух соударяющихся тел, заданных по умолчанию; правее - десятичный порядок для макро- и микрообъектов, а еще правее - единицы измерения в системе СИ. Под действием сил упругости, вязкого трения внутри тел, сухого трения на их поверхностях, электростатического и гравитационного притяжения соударяться могут обычные предметы, планеты или элементарные частицы, которые далее все называются шарами. Описание удара справедливо только в том случае, если при этом деформации шаров не превышают половину их диаметра.</source>
        <translation>    When the program starts you see in the upper left corner two columns with the default parameters of the two colliding bodies; to their right the decimal exponent for macro- and micro-objects, and further right the units of the SI system. Under the action of elastic forces, viscous friction inside the bodies, dry friction on their surfaces, and electrostatic and gravitational attraction, the colliding bodies may be ordinary objects, planets or elementary particles, all of which are called balls from here on. The description of the impact holds only as long as the deformations of the balls do not exceed half their diameter.</translation>
    </message>
    <message>
        <source>      А в варианте удара шара в стержень в программе производится упрощенный расчет - учитываются только упругость и вязкое трение материала шара. Стержень абсолютно жесткий, в начале движения стоит вертикально, и шар всегда ударяет в него слева направо. Если отмечен чекбокс рядом с окошком &lt;Угол2&gt;, то в начале стержень повернут на угол в градусах (от оси ординат), введенный в окошко &lt;Угол2&gt;. Если до удара стержень вертикален и шар попадает в его конец, то на правом рисунке выводятся данные аналитического решения задачи в предположении, что удар длится бесконечно малое время.</source>
        <translation>      In the variant of a ball striking a rod the program makes a simplified calculation: only the elasticity and the viscous friction of the ball&apos;s material are taken into account. The rod is perfectly rigid, stands vertical at the start of the motion, and the ball always strikes it from left to right. If the check box beside the box &lt;Angle2&gt; is ticked, the rod is turned at the start by the angle in degrees (from the ordinate axis) typed into the box &lt;Angle2&gt;. If the rod is vertical before the impact and the ball hits its end, the right-hand picture shows the analytic solution of the problem on the assumption that the impact lasts an infinitely short time.</translation>
    </message>
    <message>
        <source>     Для начала эксперимента Вам надо задать следующие параметры тел. </source>
        <translation>     To begin an experiment you set the following parameters of the bodies. </translation>
    </message>
    <message>
        <source>   m10, m20- массы покоя шаров или m10 для шара и m20 для стержня</source>
        <translation>   m10, m20 - rest masses of the balls, or m10 of the ball and m20 of the rod</translation>
    </message>
    <message>
        <source>   q1, q2- заряды шаров</source>
        <translation>   q1, q2 - charges of the balls</translation>
    </message>
    <message>
        <source>   D1, D2- диаметры шаров (стержня)</source>
        <translation>   D1, D2 - diameters of the balls (of the rod)</translation>
    </message>
    <message>
        <source>   C1, C2- жесткость шаров</source>
        <translation>   C1, C2 - stiffness of the balls</translation>
    </message>
    <message>
        <source>   Kj1, Kj2- коэффициенты жидкостного трения внутри шаров</source>
        <translation>   Kj1, Kj2 - coefficients of viscous friction inside the balls</translation>
    </message>
    <message>
        <source>   Ks- коэффициент сухого трения поверхностей шаров друг о друга</source>
        <translation>   Ks - coefficient of dry friction between the surfaces of the balls</translation>
    </message>
    <message>
        <source>   VX1, VX2- скорости шаров по оси X (стержня)</source>
        <translation>   VX1, VX2 - velocities of the balls (of the rod) along the X axis</translation>
    </message>
    <message>
        <source>   VY1, VY2- скорости шаров по оси Y (стержня)</source>
        <translation>   VY1, VY2 - velocities of the balls (of the rod) along the Y axis</translation>
    </message>
    <message>
        <source>   X1, X2- координаты шаров (стержня) по оси X в начале движения </source>
        <translation>   X1, X2 - X coordinates of the balls (of the rod) at the start of the motion </translation>
    </message>
    <message>
        <source>   Y1, Y2- координаты шаров (стержня) по оси Y в начале движения </source>
        <translation>   Y1, Y2 - Y coordinates of the balls (of the rod) at the start of the motion </translation>
    </message>
    <message>
        <source>   L2- длина стержня </source>
        <translation>   L2 - length of the rod </translation>
    </message>
    <message>
        <source>       При загрузке программы Вы видите значения параметров при ударе двух шаров из примера статьи автора программы. Их можно загрузить снова, выбрав этот вариант, если перед этим отмечен чекбокс &lt;начальные данные&gt;; то же относится и к варианту удара шара в стержень. Кнопка &lt;Показать тела&gt; рисует тела в их начальном положении в масштабе координат Mx, заданном слева от рисунка, вместе с векторами начальных скоростей в масштабе Mv. Для начала вычислительного эксперимента надо задать еще шаг решения методом Рунге-Кутта. Для макро или микро объектов задайте их как, например, 1E+18 или 1,7E-18. После нажатия кнопки &lt;Начать эксперимент&gt; шары займут начальные положения и начнут двигаться, а их траектория будет выводиться на правом рисунке.</source>
        <translation>       When the program starts you see the parameters of the impact of two balls from the example in an article by the author of the program. They can be loaded again by choosing this variant, provided the check box &lt;initial data&gt; is ticked first; the same holds for the variant of a ball striking a rod. The button &lt;Show bodies&gt; draws the bodies in their initial positions at the coordinate scale Mx, set to the left of the picture, together with the vectors of their initial velocities at the scale Mv. To begin a computational experiment you also set the step of the solution by the Runge-Kutta method. For macro- or micro-objects enter the values as, for example, 1E+18 or 1.7E-18. After you press the button &lt;Start experiment&gt; the balls take their initial positions and begin to move, and their trajectories are drawn on the right-hand picture.</translation>
    </message>
    <message>
        <source>       А на нижнем рисунке по оси абсцисс в масштабе Mt, который тоже надо  задать, откладывается время от начала эксперимента, а по оси ординат - проекции скоростей шаров на оси X и Y и угловые скорости w (тоже в масштабе Mv, в (рад/с)/см). Цвета те же, что и на правом рисунке. Проекции на оси X и Y суммарной силы взаимодействия (упругой и вязкой) выводятся зеленым и темно-зеленым цветом, а суммарная электростатическая сила - серым. Масштабы сил F=Fc+Fj и Fq задаются перед началом эксперимента, а все масштабы можно изменить и во время эксперимента, остановив его и нажав затем &lt;Продолжить&gt;.</source>
        <translation>       On the lower picture the abscissa shows the time from the start of the experiment at the scale Mt, which you also set, and the ordinate the components of the velocities of the balls along the X and Y axes and the angular velocities w (also at the scale Mv, in (rad/s)/cm). The colours are those of the right-hand picture. The X and Y components of the total force of interaction (elastic and viscous) are drawn in green and dark green, the total electrostatic force in grey. The force scales F=Fc+Fj and Fq are set before the start of the experiment; all the scales can also be changed during the experiment by stopping it and then pressing &lt;Continue&gt;.</translation>
    </message>
    <message>
        <source>      Под правым рисунком выводятся следующие текущие значения параметров шаров, сил взаимодействия и различных энергий всей системы, состоящей из двух шаров. </source>
        <translation>      Under the right-hand picture the following current values are shown: the parameters of the balls, the forces of interaction and the various energies of the whole system of two balls. </translation>
    </message>
    <message>
        <source>   VX1, VX2, VY1, VY2 - проекции скоростей шаров (стержня) по осям X и Y </source>
        <translation>   VX1, VX2, VY1, VY2 - components of the velocities of the balls (of the rod) along the X and Y axes </translation>
    </message>
    <message>
        <source>   V1, V2 - суммарные скорости шаров (стержня), а если отмечен чекбокс &lt;FX, FY&gt; то выводятся проекции по осям силы нормального давления Fc+Fj </source>
        <translation>   V1, V2 - speeds of the balls (of the rod); when the check box &lt;FX, FY&gt; is ticked, the components along the axes of the normal contact force Fc+Fj </translation>
    </message>
    <message>
        <source>   w1, w2 - угловые скорости шаров (стержня)</source>
        <translation>   w1, w2 - angular velocities of the balls (of the rod)</translation>
    </message>
    <message>
        <source>   X1, X2 коордиеаты шаров (стержня) по оси X, а если отмечен чекбокс &lt;m1, m2&gt; то массы шаров с учетом преобразований Лоренца, например, m1=m10/Sqr(1-V1^2/Vsv^2), где Vsv=299*10^6 м/c - скорость света в пустоте. </source>
        <translation>   X1, X2 - X coordinates of the balls (of the rod); when the check box &lt;m1, m2&gt; is ticked, the masses of the balls with the Lorentz transformation, for example m1=m10/Sqr(1-V1^2/Vsv^2), where Vsv=299*10^6 m/s is the speed of light in vacuum. </translation>
    </message>
    <message>
        <source>   Fc+Fj - сила взаимодействия между шарами (шаром и стержнем) от действия сил упругости шаров Fc и диссипативных сил Fj, например, со стороны 1-го шара будет действовать сила F1=C1*(R1-R10)+Kj1*VR1, где VR1- текущая скорость деформации первого шара. При этом F1=F2 и если силы жидкостного трения будут больше сил упругости, то при распрямлении шаров возможен вариант, что сила в пятне контакта будет равна нулю, даже при значительных деформациях шаров. </source>
        <translation>   Fc+Fj - force of interaction between the balls (the ball and the rod) due to the elastic forces Fc of the balls and the dissipative forces Fj; for example, the 1st ball exerts the force F1=C1*(R1-R10)+Kj1*VR1, where VR1 is the current rate of deformation of the first ball. Here F1=F2, and if the viscous forces exceed the elastic forces, it can happen while the balls recover their shape that the force at the contact spot is zero even at considerable deformations of the balls. </translation>
    </message>
    <message>
        <source>   Fm=66.7*10^-12*m1*m2/LR/LR - сила гравитационного притяжения между шарами, которая рассчитывается если Вы отметите чекбокс &lt;+Fm&gt;.</source>
        <translation>   Fm=66.7*10^-12*m1*m2/LR/LR - force of gravitational attraction between the balls, which is computed when you tick the check box &lt;+Fm&gt;.</translation>
    </message>
    <message>
        <source>   Fq=9*10^9*q1*q2/LR/LR - сила электростатического взаимодействия между шарами</source>
        <translation>   Fq=9*10^9*q1*q2/LR/LR - force of electrostatic interaction between the balls</translation>
    </message>
    <message>
        <source>   Fs=Ks*(Fc+Fj+Fm+Fq)*Sqn(Vs) -сила трения движения между поверхностями шаров, где Vs-скорость скольжения шаров (2-го относительно 1-го и при этом если суммарное проскальзывание меньше по абсолютной величине 0,001м, т.е. трение покоя не перешло в трение движения, то Fs=0). </source>
        <translation>   Fs=Ks*(Fc+Fj+Fm+Fq)*Sqn(Vs) - force of sliding friction between the surfaces of the balls, where Vs is the sliding velocity of the balls (of the 2nd relative to the 1st; while the total slip is less than 0.001 m in magnitude, that is while static friction has not given way to sliding friction, Fs=0). </translation>
    </message>
    <message>
        <source>   Ev- кинетическая энергия системы от поступательного движения шаров (стержня)</source>
        <translation>   Ev - kinetic energy of the system in the translational motion of the balls (of the rod)</translation>
    </message>
    <message>
        <source>   Ew- кинетическая энергия системы от вращательного движения шаров (стержня)</source>
        <translation>   Ew - kinetic energy of the system in the rotational motion of the balls (of the rod)</translation>
    </message>
    <message>
        <source>   Es- энергия системы рассеянная при сухом трении на поверхностях шаров</source>
        <translation>   Es - energy of the system dissipated by dry friction on the surfaces of the balls</translation>
    </message>
    <message>
        <source>   Ej- энергия системы рассеянная при жидкостном трении внутри шаров</source>
        <translation>   Ej - energy of the system dissipated by viscous friction inside the balls</translation>
    </message>
    <message>
        <source>   Em- уменьшение потенциальной энергии системы при сближении шаров на величину работы совершенной силой гравитационного притяжения. </source>
        <translation>   Em - decrease of the potential energy of the system as the balls approach, by the work done by the force of gravitational attraction. </translation>
    </message>
    <message>
        <source>   Eq- уменьшение или увеличение потенциальной энергии системы на величину работы совершенной силой электростатического притяжения или отталкивания при сближении или удалении шаров. </source>
        <translation>   Eq - decrease or increase of the potential energy of the system by the work done by the force of electrostatic attraction or repulsion as the balls approach or recede. </translation>
    </message>
    <message>
        <source>При ударе двух шаров Вы также можете посмотреть в окошках &lt;Угол1&gt; и &lt;Угол2&gt; угол между вектором скоростей шаров и осью X, а в окошке &lt;Угол m1,m2&gt; угол между линией соединяющей центры масс шаров и осью X. </source>
        <translation>In the impact of two balls you can also read in the boxes &lt;Angle1&gt; and &lt;Angle2&gt; the angle between the velocity vector of each ball and the X axis, and in the box &lt;Angle m1,m2&gt; the angle between the line of centres of the balls and the X axis. </translation>
    </message>
    <message>
        <source>       При работе программы Вы можете, нажав кнопку &lt;Остановить&gt;, прекратить эксперимент, а кнопкой &lt;Продолжить&gt; - возобновить его. Кнопка &lt;Сделать NC0 шагов решения&gt; продлевает эксперимент на NC0 шагов решения, а кнопка &lt;Очистить рисунки&gt; очищает оба рисунка. Отметив или сняв чекбокс &lt;Лоренц&gt;, Вы включаете или выключаете преобразования Лоренца для масс шаров, и моделирование идет с переменными массами (такие преобразования используются, например, в теории относительности Эйнштейна). Отметив или сняв чекбокс &lt;Запись&gt;, Вы включаете или выключаете запись данных эксперимента в файл Kvor.dat через каждые NC0file шагов, число которых задается в поле &lt;NC0file&gt; внизу экрана перед началом эксперимента; там же можно изменить и число шагов NC0 между обновлениями экрана. Если Вы читаете этот текст -значит Вы нажали кнопку &lt;About&gt;. А если Вы устали от программы, то нажмите кнопку &lt;Выход&gt;. </source>
        <translation>       While the program works you can stop the experiment with the button &lt;Stop&gt; and resume it with the button &lt;Continue&gt;. The button &lt;Make NC0 solution steps&gt; extends the experiment by NC0 steps of the solution, and the button &lt;Clear pictures&gt; clears both pictures. By ticking or clearing the check box &lt;Lorentz&gt; you switch the Lorentz transformation of the masses of the balls on or off, and the simulation runs with variable masses (such transformations are used, for example, in Einstein&apos;s theory of relativity). By ticking or clearing the check box &lt;Record&gt; you switch on or off the recording of the data of the experiment to the file Kvor.dat every NC0file steps, a number set in the field &lt;NC0file&gt; at the bottom of the screen before the start of the experiment; there you can also change the number of steps NC0 between screen updates. If you are reading this text, you have pressed the button &lt;About&gt;. And if you are tired of the program, press the button &lt;Exit&gt;. </translation>
    </message>
    <message>
        <source>     Для самых любознательных в центре экрана выводятся значения энергии системы в начале эксперимента E0 и в конце E, а также суммы произведений масс шаров на их скорости в начале KD0 и в конце KD: в замкнутой системе количество движения сохраняется. В верхнем окошке выводится погрешность численного решения (при выключенном &lt;Лоренц&gt;) - разность энергии системы в текущий момент и в начале эксперимента без учета энергии, перешедшей в массу, и энергии упругой деформации шаров. Наблюдая эту погрешность в конце эксперимента, можно подобрать шаг решения, обеспечивающий требуемую точность.</source>
        <translation>     For the most curious, the centre of the screen shows the energy of the system at the start of the experiment E0 and at the end E, and the sums of the products of the masses of the balls and their velocities at the start KD0 and at the end KD: the momentum of a closed system is conserved. The upper box shows the error of the numerical solution (with &lt;Lorentz&gt; off): the difference between the energy of the system now and at the start of the experiment, leaving out the energy passed into mass and the energy of the elastic deformation of the balls. By watching this error at the end of an experiment you can choose the step of the solution that gives the accuracy required.</translation>
    </message>
    <message>
        <source>      А функция &lt;Реверс&gt;, позволяет повернуть движение вспять из текущей точки, как будто время потекло в обратную сторону. Например, два абсолютно упругих шара, движущиеся навстречу друг другу по оси X со скоростями 5 м/с и -10 м/с, после удара разлетаются со скоростями -10 м/с и 5 м/с. Если нажать &lt;Остановить&gt;, а затем &lt;Реверс&gt;, то шары начнут двигаться обратно со скоростями 10 и -5 м/с, а после обратного удара вернутся в те же положения, что и до первого удара, с теми же по величине скоростями, только направленными в обратную сторону (-5 и 10 м/с). Это справедливо только для идеальных процессов без трения, то есть без рассеяния энергии.</source>
        <translation>      The function &lt;Reverse&gt; turns the motion back from the current point, as if time flowed backwards. For example, two perfectly elastic balls moving towards each other along the X axis at 5 m/s and -10 m/s fly apart after the impact at -10 m/s and 5 m/s. If you press &lt;Stop&gt; and then &lt;Reverse&gt;, the balls begin to move back at 10 and -5 m/s, and after the reverse impact they return to the positions they had before the first impact, with speeds of the same magnitude, only pointing the opposite way (-5 and 10 m/s). This holds only for ideal processes without friction, that is without dissipation of energy.</translation>
    </message>
    <message>
        <source>     Но, к сожалению в реальных системах всегда есть трение и такое движение не возможно. При жидкостном трении Kj1 и Kj2 внутри шаров после нескольких циклов движения туда и обратно скорости шаров выравниваются и становятся равными -2,5 м/с. А при жидкостном (или сухом) трении при косом ударе (пример из статьи автора программы) после нескольких циклов выравниваются не только скорости, но и положения шаров оказываются далеко от начальных.</source>
        <translation>     Unfortunately, real systems always have friction, and such a motion is not possible. With viscous friction Kj1 and Kj2 inside the balls, after several cycles of motion back and forth the velocities of the balls even out and become equal to -2.5 m/s. And with viscous (or dry) friction in an oblique impact (the example from the article by the author of the program), after several cycles not only do the velocities even out, but the balls also end up far from their initial positions.</translation>
    </message>
    <message>
        <source>     Желаем Вам интересных вычислительных экспериментов!</source>
        <translation>     We wish you interesting computational experiments!</translation>
    </message>
    <message>
        <source>Kvor3m - удар двух тел на плоскости</source>
        <translation>Kvor3m - the impact of two bodies in a plane</translation>
    </message>
    <message>
        <source>Учебная программа для вычислительных экспериментов: удар двух шаров или шара и стержня.</source>
        <translation>A teaching program for computational experiments: the impact of two balls, or of a ball and a rod.</translation>
    </message>
    <message>
        <source>Длинна стержня, м</source>
        <translation>Rod length, m</translation>
    </message>
    <message>
        <source>шаг, с</source>
        <translation>step, s</translation>
    </message>
    <message>
        <source>T, с</source>
        <translation>T, s</translation>
    </message>
    <message>
        <source>форма тел</source>
        <translation>body shapes</translation>
    </message>
    <message>
        <source>1-шар 2-шар</source>
        <translation>1-ball 2-ball</translation>
    </message>
    <message>
        <source>1-шар 2-стержень</source>
        <translation>1-ball 2-rod</translation>
    </message>
    <message>
        <source>исходные данные</source>
        <translation>initial data</translation>
    </message>
    <message>
        <source>Лоренц</source>
        <translation>Lorentz</translation>
    </message>
    <message>
        <source> Начать эксперимент  </source>
        <translation> Start experiment  </translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Очистить  рисунки</source>
        <translation>Clear pictures</translation>
    </message>
    <message>
        <source>Показать тела</source>
        <translation>Show bodies</translation>
    </message>
    <message>
        <source>Сделать NC0 шагов решения</source>
        <translation>Make NC0 solution steps</translation>
    </message>
    <message>
        <source>Реверс</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>MF, н/см</source>
        <translation>MF, N/cm</translation>
    </message>
    <message>
        <source>Mt, с/см</source>
        <translation>Mt, s/cm</translation>
    </message>
    <message>
        <source>Mx, м/см</source>
        <translation>Mx, m/cm</translation>
    </message>
    <message>
        <source>Mv, (м/с)/см</source>
        <translation>Mv, (m/s)/cm</translation>
    </message>
    <message>
        <source>MFq, н/см</source>
        <translation>MFq, N/cm</translation>
    </message>
    <message>
        <source>Угол1, град</source>
        <translation>Angle1, deg</translation>
    </message>
    <message>
        <source>Угол m1m2, град</source>
        <translation>Angle m1m2, deg</translation>
    </message>
    <message>
        <source>Угол2, град</source>
        <translation>Angle2, deg</translation>
    </message>
    <message>
        <source>T/Mt, см</source>
        <translation>T/Mt, cm</translation>
    </message>
    <message>
        <source>Время реал</source>
        <translation>Real time</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Не используется в варианте «1-шар 2-стержень»</source>
        <translation>Not used in the variant “1-ball 2-rod”</translation>
    </message>
    <message>
        <source>Не используется в варианте «1-шар 2-шар»</source>
        <translation>Not used in the variant “1-ball 2-ball”</translation>
    </message>
    <message>
        <source>Медленно</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Обычно</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Быстро</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Без задержки</source>
        <translation>No delay</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Открыть опыт…</source>
        <translation>Open experiment…</translation>
    </message>
    <message>
        <source>Последние опыты</source>
        <translation>Recent experiments</translation>
    </message>
    <message>
        <source>Сохранить опыт как…</source>
        <translation>Save experiment as…</translation>
    </message>
    <message>
        <source>Описание опыта…</source>
        <translation>Experiment description…</translation>
    </message>
    <message>
        <source>Сохранить траектории…</source>
        <translation>Save trajectories…</translation>
    </message>
    <message>
        <source>Сохранить график…</source>
        <translation>Save graph…</translation>
    </message>
    <message>
        <source>Сохранить ряд данных (CSV)…</source>
        <translation>Save data series (CSV)…</translation>
    </message>
    <message>
        <source>Файл записи…</source>
        <translation>Data file…</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Темп показа</source>
        <translation>Display pace</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>&amp;Расчёт</source>
        <translation>&amp;Computation</translation>
    </message>
    <message>
        <source>При заполнении траектории</source>
        <translation>When the trajectory is full</translation>
    </message>
    <message>
        <source>Через заданное время…</source>
        <translation>After a set time…</translation>
    </message>
    <message>
        <source>После разлёта тел</source>
        <translation>After the bodies fly apart</translation>
    </message>
    <message>
        <source>&amp;Справка</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Сохранить траектории</source>
        <translation>Save trajectories</translation>
    </message>
    <message>
        <source>траектории.png</source>
        <translation>trajectories.png</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save graph</translation>
    </message>
    <message>
        <source>график.png</source>
        <translation>graph.png</translation>
    </message>
    <message>
        <source>Сохранить график энергий</source>
        <translation>Save energy graph</translation>
    </message>
    <message>
        <source>энергии.png</source>
        <translation>energies.png</translation>
    </message>
    <message>
        <source>Сохранить ряд данных</source>
        <translation>Save data series</translation>
    </message>
    <message>
        <source>ряд данных.csv</source>
        <translation>data series.csv</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Готово к расчёту</source>
        <translation>Ready to compute</translation>
    </message>
    <message>
        <source>Идёт расчёт</source>
        <translation>Computing</translation>
    </message>
    <message>
        <source>Опыт завершён: %1</source>
        <translation>Experiment finished: %1</translation>
    </message>
    <message>
        <source>Расчёт остановлен</source>
        <translation>Computation stopped</translation>
    </message>
    <message>
        <source>Расчёт окончен: %1</source>
        <translation>Computation ended: %1</translation>
    </message>
    <message>
        <source>Темп: %1</source>
        <translation>Pace: %1</translation>
    </message>
    <message>
        <source>Файл записи</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>Файл записи (*.dat);;Все файлы (*)</source>
        <translation>Data file (*.dat);;All files (*)</translation>
    </message>
    <message>
        <source>E, Дж</source>
        <translation>E, J</translation>
    </message>
    <message>
        <source>шаг</source>
        <translation>step</translation>
    </message>
    <message>
        <source>Угол2</source>
        <translation>Angle2</translation>
    </message>
    <message>
        <source>Открыть опыт номер &lt;N&gt; из меню «Опыты».</source>
        <translation>Open lesson number &lt;N&gt; of the menu “Lessons”.</translation>
    </message>
    <message>
        <source>--lesson: номер опыта от 1, а не %1</source>
        <translation>--lesson: a lesson number from 1, not %1</translation>
    </message>
    <message>
        <source>Или --lesson, или файл опыта</source>
        <translation>Either --lesson or an experiment file</translation>
    </message>
    <message>
        <source>Описание опыта</source>
        <translation>Experiment description</translation>
    </message>
    <message>
        <source>&amp;Опыты</source>
        <translation>&amp;Lessons</translation>
    </message>
    <message>
        <source>Точная модель контакта</source>
        <translation>Exact contact model</translation>
    </message>
    <message>
        <source>Сохранить изменения в опыте?</source>
        <translation>Save the changes to the experiment?</translation>
    </message>
    <message>
        <source>Масштаб окон в этом запуске, в процентах (выбор в окне не меняется).</source>
        <translation>The zoom of the windows in this run, in per cent (the choice in the window stays as it is).</translation>
    </message>
    <message>
        <source>--zoom: 100, 125, 150, 200 или 250, а не %1</source>
        <translation>--zoom: 100, 125, 150, 200 or 250, not %1</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don’t save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Масштаб</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Обычный размер</source>
        <translation>Normal size</translation>
    </message>
    <message>
        <source>Во весь экран</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Оси в единицах величин</source>
        <translation>Axes in the units of the quantities</translation>
    </message>
    <message>
        <source>x, y: м</source>
        <translation>x, y: m</translation>
    </message>
    <message>
        <source>V, м/с</source>
        <translation>V, m/s</translation>
    </message>
    <message>
        <source>F, Н</source>
        <translation>F, N</translation>
    </message>
    <message>
        <source>Fq, Н</source>
        <translation>Fq, N</translation>
    </message>
    <message>
        <source>Начало, с</source>
        <translation>Begin, s</translation>
    </message>
    <message>
        <source>Конец, с</source>
        <translation>End, s</translation>
    </message>
    <message>
        <source>Импульс, Н·с</source>
        <translation>Impulse, N·s</translation>
    </message>
    <message>
        <source>Потеря E, Дж</source>
        <translation>E lost, J</translation>
    </message>
    <message>
        <source>Удары</source>
        <translation>Impacts</translation>
    </message>
    <message>
        <source>не окончен</source>
        <translation>not over</translation>
    </message>
    <message>
        <source>%1–%2 с</source>
        <translation>%1–%2 s</translation>
    </message>
    <message>
        <source>с %1 с, не окончен</source>
        <translation>from %1 s, not over</translation>
    </message>
    <message>
        <source>Удар: e_n %1, e_t %2, импульс %3 Н·с, потеря %4 Дж, %5</source>
        <translation>Impact: e_n %1, e_t %2, impulse %3 N·s, lost %4 J, %5</translation>
    </message>
    <message>
        <source>Проверять нечего: начните опыт и дайте ему дойти до первого обновления экрана</source>
        <translation>Nothing to check: start an experiment and let it reach its first screen update</translation>
    </message>
    <message>
        <source>Опыт пересчитан с шагом h = %1 с, h/2 и h/4 до T = %2 с (%3 шагов с шагом h)</source>
        <translation>The experiment was computed again with the steps h = %1 s, h/2 and h/4 up to T = %2 s (%3 steps of h)</translation>
    </message>
    <message>
        <source>, «Точная модель контакта»</source>
        <translation>, “Exact contact model”</translation>
    </message>
    <message>
        <source>Расчёт с шагом %1 прервался ошибкой: оценить точность нельзя</source>
        <translation>The computation with the step %1 ended in an error: the accuracy cannot be estimated</translation>
    </message>
    <message>
        <source>Флажок «Лоренц» менялся во время расчёта: проверка считает с ним так, как он стоит на конец расчёта, и y(h) может отличаться от показанного значения</source>
        <translation>The tick “Lorentz” was changed during the computation: the check computes with it as it stands at the end, and y(h) may differ from the value shown</translation>
    </message>
    <message>
        <source>Флажок «+Fm» менялся во время расчёта: проверка считает с ним так, как он стоит на конец расчёта, и y(h) может отличаться от показанного значения</source>
        <translation>The tick “+Fm” was changed during the computation: the check computes with it as it stands at the end, and y(h) may differ from the value shown</translation>
    </message>
    <message>
        <source>Масштабы менялись во время расчёта: проверка берёт их такими, как на конец расчёта (на значения величин они не влияют)</source>
        <translation>The scales were changed during the computation: the check takes them as they stand at the end (they do not affect the values of the quantities)</translation>
    </message>
    <message>
        <source>%1: разности на уровне округления (меньше 1E-13 масштаба величины)</source>
        <translation>%1: differences at the level of rounding (below 1E-13 of the quantity’s scale)</translation>
    </message>
    <message>
        <source>%1: порядок неустойчив</source>
        <translation>%1: the order is unstable</translation>
    </message>
    <message>
        <source>Порядок неустойчив, когда сила меняется скачком внутри шага, как при касании тел: попробуйте «Точная модель контакта»</source>
        <translation>The order is unstable when the force jumps within a step, as when the bodies touch: try “Exact contact model”</translation>
    </message>
    <message>
        <source>Рекомендуемый шаг: %1 с при NC0 = %2 (экран обновляется через то же время)</source>
        <translation>Recommended step: %1 s with NC0 = %2 (the screen is updated after the same time)</translation>
    </message>
    <message>
        <source>Рекомендуемого шага нет: ни один шаг от h/64 до 64h с тем же временем между обновлениями экрана не держит ошибку ниже 1E-6 масштаба величины</source>
        <translation>No recommended step: no step from h/64 to 64h with the same time between screen updates keeps the error below 1E-6 of the quantity’s scale</translation>
    </message>
    <message>
        <source>Рекомендуемого шага нет: не для всех величин есть оценка ошибки</source>
        <translation>No recommended step: not every quantity has an error estimate</translation>
    </message>
    <message>
        <source>Величина</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Порядок p</source>
        <translation>Order p</translation>
    </message>
    <message>
        <source>Ошибка y(h)</source>
        <translation>Error y(h)</translation>
    </message>
    <message>
        <source>Тот же опыт с шагом h, h/2 и h/4…</source>
        <translation>The same experiment with the steps h, h/2 and h/4…</translation>
    </message>
    <message>
        <source>Проверка шага</source>
        <translation>Step check</translation>
    </message>
    <message>
        <source>не измеримо</source>
        <translation>not measurable</translation>
    </message>
    <message>
        <source>Проверить шаг…</source>
        <translation>Check the step…</translation>
    </message>
</context>
</TS>
